#include "results/core/result_file.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <vector>

#include <sys/stat.h>

namespace orv {

namespace {

constexpr char kField = '\t';
constexpr char kLineEnd = '\n';

template <typename Number>
std::string Text(Number value) {
    return std::to_string(value);
}

void AppendLine(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += fields[i];
        out += i + 1 < fields.size() ? kField : kLineEnd;
    }
}

// Reads the file's lines and fields from the front.
class Fields {
  public:
    explicit Fields(std::string_view bytes) : rest_(bytes) {}

    // The next line split at its tabs, if it begins with `key` and has
    // `count` fields after it.
    std::optional<std::vector<std::string_view>> Line(std::string_view key, std::size_t count) {
        const std::size_t end = rest_.find(kLineEnd);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        std::vector<std::string_view> fields;
        for (std::size_t tab = 0; (tab = line.find(kField)) != std::string_view::npos;) {
            fields.push_back(line.substr(0, tab));
            line.remove_prefix(tab + 1);
        }
        fields.push_back(line);
        if (fields.size() != count + 1 || fields[0] != key) {
            return std::nullopt;
        }
        fields.erase(fields.begin());
        return fields;
    }

    std::string_view Rest() const { return rest_; }

  private:
    std::string_view rest_;
};

// A number in its shortest decimal form only, so that every value has one text.
template <typename Number>
std::optional<Number> Canonical(std::string_view text) {
    Number value{};
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop != text.data() + text.size() || Text(value) != text) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Flag(std::string_view text) {
    if (text == "0" || text == "1") {
        return text == "1";
    }
    return std::nullopt;
}

std::optional<KeptScale> ParseScale(Fields& fields, int number) {
    const auto line = fields.Line("scale", 10);
    if (!line || Canonical<int>((*line)[0]) != number) {
        return std::nullopt;
    }
    const auto& f = *line;
    KeptScale scale;
    std::int16_t* const figures[] = {&scale.score,    &scale.counted, &scale.strong,
                                     &scale.moderate, &scale.forward, &scale.reverse};
    for (std::size_t i = 0; i < std::size(figures); ++i) {
        const auto value = Canonical<std::int16_t>(f[1 + i]);
        if (!value) {
            return std::nullopt;
        }
        *figures[i] = *value;
    }
    const auto conflicting = Flag(f[8]);
    if (!conflicting) {
        return std::nullopt;
    }
    scale.verdict = f[7];
    scale.conflicting = *conflicting;
    scale.name = f[9];
    return scale;
}

}  // namespace

std::string FormatKeptResult(const KeptResult& result) {
    const bool english = result.language == kEnglish;
    const bool named = !result.name.empty();
    std::string out(named ? kResultFormatLine3 : english ? kResultFormatLine : kResultFormatLine2);
    if (named || !english) {
        AppendLine(out, {"language", result.language});
    }
    if (named) {
        AppendLine(out, {"name", result.name});
    }
    AppendLine(out, {"test", Text(result.testno)});
    AppendLine(out, {"ended", IsoTimeText(result.ended)});
    for (int number = 1; number <= kScales; ++number) {
        const KeptScale& s = result.scales[number - 1];
        AppendLine(out, {"scale", Text(number), Text(s.score), Text(s.counted), Text(s.strong),
                         Text(s.moderate), Text(s.forward), Text(s.reverse), s.verdict,
                         s.conflicting ? "1" : "0", s.name});
    }
    AppendLine(out, {"text", Text(result.text.size())});
    out += result.text;
    return out;
}

std::optional<KeptResult> ParseKeptResult(std::string_view bytes) {
    const bool version2 = bytes.starts_with(kResultFormatLine2);
    const bool version3 = bytes.starts_with(kResultFormatLine3);
    if (!version2 && !version3 && !bytes.starts_with(kResultFormatLine)) {
        return std::nullopt;
    }
    Fields fields(bytes.substr(kResultFormatLine.size()));
    KeptResult result;
    if (version2 || version3) {
        // Unnamed English is always written in version 1, so that a result has one form.
        const auto language = fields.Line("language", 1);
        if (!language || (version2 && (*language)[0] == kEnglish)) {
            return std::nullopt;
        }
        result.language = (*language)[0];
    }
    if (version3) {
        // A name, which IsPossibleResult checks; an unnamed result is never version 3.
        const auto name = fields.Line("name", 1);
        if (!name || name->front().empty()) {
            return std::nullopt;
        }
        result.name = (*name)[0];
    }
    const auto test = fields.Line("test", 1);
    const auto testno = test ? Canonical<std::int16_t>((*test)[0]) : std::nullopt;
    const auto ended_line = fields.Line("ended", 1);
    const auto ended = ended_line ? ParseIsoTime((*ended_line)[0]) : std::nullopt;
    if (!testno || !ended) {
        return std::nullopt;
    }
    result.testno = *testno;
    result.ended = *ended;
    for (int number = 1; number <= kScales; ++number) {
        auto scale = ParseScale(fields, number);
        if (!scale) {
            return std::nullopt;
        }
        result.scales[number - 1] = std::move(*scale);
    }
    const auto text = fields.Line("text", 1);
    const auto length = text ? Canonical<std::size_t>((*text)[0]) : std::nullopt;
    if (!length || *length != fields.Rest().size()) {
        return std::nullopt;
    }
    result.text = fields.Rest();
    if (!IsPossibleResult(result)) {
        return std::nullopt;
    }
    return result;
}

std::optional<KeptResult> ReadKeptResult(const std::string& path) {
    // Room for the lines before the text; a longer file is no result.
    constexpr std::size_t kLongestFile = kMaxKeptText + 4096;
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) > kLongestFile) {
        return std::nullopt;
    }
    // One byte more than the file held, to see it was read whole.
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || static_cast<std::size_t>(in.gcount()) != bytes.size() - 1) {
        return std::nullopt;
    }
    bytes.pop_back();
    return ParseKeptResult(bytes);
}

}  // namespace orv
