// A set of byte-string keys with one int value each: an unbalanced binary
// tree ordered by the key bytes scrambled with a key-dependent generator.
#pragma once

#include <string_view>

class CNameTree {
public:
    CNameTree() = default;
    CNameTree(const CNameTree&) = delete;
    CNameTree& operator=(const CNameTree&) = delete;
    virtual ~CNameTree();

    bool FindOrAdd(std::string_view key, bool bFindOnly = false);
    bool Find(std::string_view key) { return FindOrAdd(key, true); }
    int GetValue() const;
    void SetValue(int nValue);
    void RemoveAll();

private:
    struct CNameNode;
    CNameNode* m_pRoot = nullptr;
    CNameNode* m_pCurrent = nullptr;
};
