// state.cpp - the application's state block and the fixed-width text helpers.
#include "state.h"

#include <algorithm>
#include <cstring>

AppState app;

void setText(char* field, std::size_t width, std::string_view value)
{
    std::size_t n = std::min(width, value.size());
    std::memcpy(field, value.data(), n);
    std::memset(field + n, ' ', width - n);
}

std::string trimmedText(const char* field, std::size_t width)
{
    std::size_t n = width;
    while (n > 0 && (field[n - 1] == ' ' || field[n - 1] == '\0')) --n;
    return std::string(field, n);
}

void resetAppState() { std::memset(static_cast<void*>(&app), 0, sizeof app); }
