// The fields of one control record of a dialog description, as read.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "FormConverter.h"

// The field reader gives a doubled quote as \" (a C++ literal); this gives
// the text itself, quotes alone.
std::string UndoQuoteEscapes(const std::string& text);

// Field texts are read as numbers the forgiving way: leading white space, a
// sign, digits up to the first other byte; no digits is 0, never an error.
int ReadNumber(std::string_view text);

struct CFormConverter::SControlRecord {
    static constexpr int kFieldCount = 43;
    std::array<std::string, kFieldCount> fields;
    std::string id; // made from field 13 once the record is read

    // 1-based, as the fields are numbered in the description
    const std::string& Field(int n) const { return fields[n - 1]; }
    int Number(int n) const { return ReadNumber(Field(n)); }

    const std::string& Caption() const { return Field(1); }
    const std::string& Kind() const { return Field(2); }
    int StyleBits() const { return Number(3); }
    int StateBits() const { return Number(20); }
    const std::string& TypeLetter() const { return Field(15); }
};

// The SetStaticParams call that sets up a static text from its record.
std::string StaticParamCall(const CFormConverter::SControlRecord& record);
