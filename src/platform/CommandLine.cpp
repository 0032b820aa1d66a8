#include "CommandLine.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::optional<std::string> locate(const std::string& name,
                                  const CommandLine::IsExecutable& isExecutable,
                                  const std::vector<std::string>& searchPath) {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string::npos)
        return isExecutable(name) ? std::optional<std::string>(name) : std::nullopt;
    for (const auto& folder : searchPath) {
        if (folder.empty() || folder.front() != '/')
            continue; // a relative search-path entry would mean the current folder
        std::string candidate = folder;
        if (candidate.back() != '/')
            candidate += '/';
        candidate += name;
        if (isExecutable(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> CommandLine::splitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
            current += '"';
            inArgument = true;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (isBlank(c) && !quoted) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

std::optional<CommandLine::Plan> CommandLine::resolve(std::string_view commandLine,
                                                      const IsExecutable& isExecutable,
                                                      const std::vector<std::string>& searchPath) {
    const std::string_view text = trimLeft(commandLine);
    if (text.empty())
        return std::nullopt;
    if (text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        const auto program =
            locate(std::string(text.substr(1, close - 1)), isExecutable, searchPath);
        if (!program)
            return std::nullopt;
        return Plan{*program, splitArguments(text.substr(close + 1))};
    }
    for (std::size_t end = 0; end <= text.size(); ++end) {
        if (end < text.size() && !isBlank(text[end]))
            continue;
        const auto program = locate(std::string(text.substr(0, end)), isExecutable, searchPath);
        if (program)
            return Plan{*program, end < text.size() ? splitArguments(text.substr(end))
                                                    : std::vector<std::string>{}};
    }
    return std::nullopt;
}

std::vector<std::string> CommandLine::searchPathFrom(std::string_view path) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t colon = path.find(':', start);
        const std::size_t end = colon == std::string_view::npos ? path.size() : colon;
        folders.emplace_back(path.substr(start, end - start));
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    return folders;
}
