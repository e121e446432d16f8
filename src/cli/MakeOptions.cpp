#include "cli/MakeOptions.h"

#include "cli/ThreadsOption.h"

#include <charconv>
#include <map>
#include <optional>

namespace brindlecast
{
namespace
{

    std::optional<int> ParseInteger(const std::string& text)
    {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || text.empty())
            return std::nullopt;
        return value;
    }

    std::optional<int> ParseMode(const std::string& text)
    {
        static const std::map<std::string, int> modes
            = { { "all", 0 }, { "0", 0 }, { "each", 1 }, { "1", 1 }, { "library", 2 }, { "2", 2 } };
        const auto found = modes.find(text);
        return found == modes.end() ? std::nullopt : std::optional<int>(found->second);
    }

    std::string Absolute(const std::string& path, const std::string& currentFolder)
    {
        return path.empty() || path.front() == '/' ? path : currentFolder + path;
    }

    // Splits "--name=value" and recognises the short forms; the value is empty when it has to
    // come from the next argument.
    struct OptionName {
        std::string name;
        std::optional<std::string> inlineValue;
    };

    OptionName SplitOption(const std::string& argument)
    {
        static const std::map<std::string, std::string> shortNames = { { "-m", "--mode" },
            { "-o", "--output" }, { "-r", "--frame-rate" }, { "-d", "--delay" }, { "-l", "--link" },
            { "-t", "--target" }, { "-b", "--background" }, { "-h", "--help" } };
        const auto equals = argument.find('=');
        if (argument.rfind("--", 0) == 0 && equals != std::string::npos)
            return { argument.substr(0, equals), argument.substr(equals + 1) };
        const auto found = shortNames.find(argument);
        return { found == shortNames.end() ? argument : found->second, std::nullopt };
    }

    std::string RangeError(const std::string& option, int low, int high)
    {
        return option + " takes a whole number from " + std::to_string(low) + " to "
            + std::to_string(high);
    }

    // Applies one option with its value; returns the usage problem, if any.
    std::string ApplyOption(TBrindlecast& project, const std::string& option,
        const std::string& value, const std::string& currentFolder)
    {
        if (option == "--mode") {
            const auto mode = ParseMode(value);
            if (!mode)
                return "--mode takes all, each or library";
            project.ActionType = *mode;
        } else if (option == "--output") {
            if (value.empty())
                return "--output needs a file name";
            project.Output = Absolute(value, currentFolder);
        } else if (option == "--frame-rate") {
            const auto rate = ParseInteger(value);
            if (!rate || *rate < 1 || *rate > 100)
                return RangeError(option, 1, 100);
            project.FrameRate = *rate;
        } else if (option == "--delay") {
            const auto delay = ParseInteger(value);
            if (!delay || *delay < 0 || *delay > 1000)
                return RangeError(option, 0, 1000);
            project.ImageDelay = *delay;
        } else if (option == "--link") {
            project.Link = value;
        } else if (option == "--target") {
            project.Target = value;
        } else if (option == "--background") {
            const long color = ParseBackgroundColor(value);
            if (color < 0)
                return "--background takes a colour as #RRGGBB";
            project.BackgroundColor = static_cast<std::int32_t>(color);
        } else {
            return "unknown option " + option;
        }
        return {};
    }

} // namespace

long ParseBackgroundColor(const std::string& text)
{
    if (text.size() != 7 || text.front() != '#')
        return -1;
    unsigned long rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
    if (error != std::errc() || end != text.data() + 7)
        return -1;
    const unsigned long red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<long>(red | green << 8 | blue << 16);
}

MakeRequest ParseMakeArguments(
    const std::vector<std::string>& arguments, const std::string& currentFolder)
{
    MakeRequest request;
    request.project.Output = Absolute(request.project.Output, currentFolder);
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || argument.empty() || argument.front() != '-') {
            request.project.Images.push_back(Absolute(argument, currentFolder));
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        OptionName option = SplitOption(argument);
        if (option.name == "--help") {
            request.help = true;
            return request;
        }
        if (!option.inlineValue) {
            if (i + 1 == arguments.size()) {
                request.usageError = option.name + " needs a value";
                return request;
            }
            option.inlineValue = arguments[++i];
        }
        if (option.name == "--threads") {
            const auto threads = ParseThreadCount(*option.inlineValue);
            request.threads = threads.value_or(0);
            request.usageError = threads ? "" : ThreadCountError();
        } else {
            request.usageError
                = ApplyOption(request.project, option.name, *option.inlineValue, currentFolder);
        }
        if (!request.usageError.empty())
            return request;
    }
    if (request.project.Images.empty())
        request.usageError = "no images given";
    return request;
}

} // namespace brindlecast
