// SPDX-License-Identifier: MIT
#include "shell/commandline.h"

#include <string_view>

namespace poniruka {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

/// Appends the blank-separated arguments of text, double quotes grouping.
void appendArguments(std::string_view text, std::vector<std::string> &words)
{
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i == text.size())
            return;
        std::string word;
        bool quoted = false;
        for (; i < text.size() && (quoted || !isBlank(text[i])); ++i) {
            if (text[i] == '"')
                quoted = !quoted;
            else
                word += text[i];
        }
        words.push_back(std::move(word));
    }
}

} // namespace

std::vector<std::string> splitCommandLine(
    const std::string &command, const std::function<bool(const std::string &)> &isFile)
{
    const std::string_view text = trimmed(command);
    if (text.empty())
        return {};

    std::vector<std::string> words;
    if (text.front() == '"') {
        const auto close = text.find('"', 1);
        words.emplace_back(text.substr(1, close == std::string_view::npos ? close : close - 1));
        if (close != std::string_view::npos)
            appendArguments(text.substr(close + 1), words);
        return words;
    }

    if (isFile(std::string(text))) {
        words.emplace_back(text);
        return words;
    }

    // The shortest leading run that names a file; failing that, the first word.
    std::size_t end = text.find_first_of(" \t");
    for (auto blank = end; blank != std::string_view::npos; blank = text.find_first_of(" \t", blank + 1)) {
        if (isBlank(text[blank - 1]))
            continue;
        if (isFile(std::string(text.substr(0, blank)))) {
            end = blank;
            break;
        }
    }
    words.emplace_back(text.substr(0, end));
    if (end != std::string_view::npos)
        appendArguments(text.substr(end), words);
    return words;
}

} // namespace poniruka
