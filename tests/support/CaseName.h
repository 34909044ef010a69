#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <concepts>
#include <string>
#include <string_view>

namespace tandrel::test {

// A gtest-safe name: letters and digits kept, every other run of characters
// becomes one '_'; a leading '-' reads "minus".
inline std::string SafeCaseName(std::string_view text)
{
    std::string out;
    if (!text.empty() && text.front() == '-') {
        out = "minus";
        text.remove_prefix(1);
    }
    for (char ch : text) {
        const bool keep = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
        if (keep)
            out += ch;
        else if (!out.empty() && out.back() != '_')
            out += '_';
    }
    while (!out.empty() && out.back() == '_')
        out.pop_back();
    return out.empty() ? std::string("empty") : out;
}

// A number as part of a case name: -2.5 -> "minus2_5", 1e300 -> "1e_300".
inline std::string NumberName(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "minus_inf" : "inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return SafeCaseName(text);
}

template <class T>
std::string CaseText(const T& c)
{
    // A test may describe its case type with a free CaseLabel(const T&)
    // next to it; otherwise the case's own label or name field is used.
    if constexpr (requires { { CaseLabel(c) } -> std::convertible_to<std::string>; })
        return CaseLabel(c);
    else if constexpr (requires { { c.label } -> std::convertible_to<std::string>; })
        return c.label;
    else if constexpr (requires { { c.name } -> std::convertible_to<std::string>; })
        return c.name;
    else
        static_assert(sizeof(T) == 0, "give the case a label or name field, or a CaseLabel() function");
}

// Name generator for INSTANTIATE_TEST_SUITE_P: readable and stable across
// builds (ctest -R and --rerun-failed rely on it).
struct CaseName {
    template <class T>
    std::string operator()(const ::testing::TestParamInfo<T>& info) const
    {
        return SafeCaseName(CaseText(info.param));
    }
};

} // namespace tandrel::test
