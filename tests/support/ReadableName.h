#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// Names a parameterised case after its printed value ("3_server_error"), so that a failing case
// reads as what it tests in every list of tests: gtest only allows letters, digits and underscores.
struct ReadableName {
    template <typename Parameter>
    std::string operator()(const testing::TestParamInfo<Parameter> &info) const
    {
        std::string name = std::to_string(info.index);
        bool inWord = false;
        for (const unsigned char c : testing::PrintToString(info.param)) {
            if (std::isalnum(c)) {
                if (!inWord)
                    name += '_';
                name += char(c);
            }
            inWord = std::isalnum(c);
            if (name.size() >= 48)
                break;
        }
        return name;
    }
};
