// Test-only stand-in for the runtime library of generated modules and
// dialog projects: just enough declarations for g++ -fsyntax-only to check
// the shape of the translator's and the form converter's output. Nothing
// here is ever linked or run. The dialog stand-in adds the window framework.
#pragma once

class CWnd;

class CValue {
public:
    CValue();
    CValue(int);
    CValue(double);
    CValue(const char*);
    CValue(const CValue&);
    CValue& operator=(const CValue&);

    explicit operator bool() const;
    explicit operator int() const;

    template <class... Args>
    CValue Method(const char* name, const Args&... args) const;
    CValue& Attribute(const char* name) const;
    // Binds the value to a control of a dialog.
    void Attach(CWnd* pControl);

    friend CValue operator+(const CValue&, const CValue&);
    friend CValue operator-(const CValue&, const CValue&);
    friend CValue operator-(const CValue&);
    friend CValue operator*(const CValue&, const CValue&);
    friend CValue operator/(const CValue&, const CValue&);
    friend CValue operator%(const CValue&, const CValue&);
    friend bool operator==(const CValue&, const CValue&);
    friend bool operator!=(const CValue&, const CValue&);
    friend bool operator<(const CValue&, const CValue&);
    friend bool operator<=(const CValue&, const CValue&);
    friend bool operator>(const CValue&, const CValue&);
    friend bool operator>=(const CValue&, const CValue&);
    friend bool operator!(const CValue&);
    friend bool operator&&(const CValue&, const CValue&);
    friend bool operator||(const CValue&, const CValue&);
};

// A by-reference parameter: binds to the caller's value.
class CRefValue : public CValue {
public:
    CRefValue(const CValue&);
    CRefValue(int);
    CRefValue(double);
    CRefValue(const char*);
    CRefValue& operator=(const CValue&);
    CRefValue& operator=(int);
    CRefValue& operator=(double);
    CRefValue& operator=(const char*);
};

class CValueError {};

CValue _S(const char*);
CValue _D(const char*);
extern const CValue DEFAULT;

// A built-in name of the platform: a value that may also be called.
class CBuiltin : public CValue {
public:
    template <class... Args>
    CValue operator()(const Args&... args) const;
};

// The English built-in names the tested modules use.
extern const CBuiltin Message, Operation, AccountByCode, DocDate, Sum, CreateObject, Round, ErrorDescription;
