// SPDX-License-Identifier: MIT
#include "FetchedCharacterNames.h"

#include "CharacterNames.h"

#include <emscripten/emscripten.h>

#include <cstdint>

namespace {

enum class State { NotAsked, Fetching, Arrived };

struct Fetched {
    State state = State::NotAsked;
    CharacterNames names;
    std::function<void()> arrived;
};

Fetched& fetched() {
    static Fetched names;
    return names;
}

} // namespace

void FetchedCharacterNames::whenArrived(std::function<void()> arrived) {
    fetched().arrived = std::move(arrived);
}

std::string FetchedCharacterNames::nameOf(char32_t codePoint) {
    Fetched& names = fetched();
    if (names.state == State::NotAsked) {
        names.state = State::Fetching;
        emscripten_async_wget_data(
            "character-names.bin", nullptr,
            [](void*, void* buffer, int size) {
                fetched().names = CharacterNames(
                    {static_cast<const std::uint8_t*>(buffer), static_cast<std::size_t>(size)});
                fetched().state = State::Arrived;
                if (fetched().arrived) {
                    fetched().arrived();
                }
            },
            [](void*) { fetched().state = State::NotAsked; });
    }
    return names.names.nameOf(codePoint);
}
