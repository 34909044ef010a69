#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tandrel::fuzz {

// One parser fed with raw bytes. An entry returns normally for any input;
// a crash, a sanitizer report or a broken promise (it aborts) is a finding.
using Entry = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string_view name; // also the folder of its corpus: fuzz/corpus/<name>/
    Entry entry;
};

// Every target, in a fixed order.
std::span<const Target> Targets();
// The target of that name, or null.
const Target* FindTarget(std::string_view name);

} // namespace tandrel::fuzz
