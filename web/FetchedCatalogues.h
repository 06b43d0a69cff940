// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The catalogues as the page fetched them (catalogue-CODE.bin, written by the build from the
// program's own table): the page's definition of Translations::shipped(), which knows every
// shipped language by its code but keeps their words out of the program that every user
// downloads. A language speaks English until its catalogue arrives.
class FetchedCatalogues {
public:
    // The entries of one language, each as its context, source and translation, every one
    // ended by a zero byte. An empty file, one that ends inside an entry, or a language not
    // shipped is refused (false).
    static bool supply(std::string_view code, std::span<const std::uint8_t> file);
};
