#include "results/core/help_texts.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

#include "app/core/language.h"
#include "app/core/program_files.h"
#include "app/core/utf8.h"
#include "evaluation/core/scoring.h"

namespace orv {

namespace {

constexpr std::string_view kAnchor = "<a name=\"";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

// Where the block that holds a named text ends: at its closing tag, or at
// the next block when the closing tag is left out.
std::size_t BlockEnd(const std::string& lower, std::size_t from) {
    std::size_t end = lower.size();
    for (const char* mark : {"</p", "</li", "</h", "<p>", "<p ", "<li", "<h1", "<h2", "<h3", "<h4",
                             "</ul", "</ol", "</body"}) {
        end = std::min(end, lower.find(mark, from));
    }
    return end;
}

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// The character an entity ("amp", "#228", "#xE4") stands for; false for
// one this reader does not know, which stays as written.
bool AppendEntity(std::string& out, std::string_view name) {
    static const std::array<std::pair<std::string_view, unsigned long>, 7> named = {
        {{"amp", '&'},
         {"lt", '<'},
         {"gt", '>'},
         {"quot", '"'},
         {"apos", '\''},
         {"#39", '\''},
         {"nbsp", 0xA0}}};
    for (const auto& [entity, code] : named) {
        if (name == entity) {
            AppendUtf8(out, code);
            return true;
        }
    }
    if (name.size() < 2 || name[0] != '#') {
        return false;
    }
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
            std::string::npos) {
        return false;
    }
    const unsigned long code = std::stoul(digits, nullptr, hex ? 16 : 10);
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    AppendUtf8(out, code);
    return true;
}

// The words of HTML without its tags, entities read, white space as one space.
std::string PlainText(std::string_view html) {
    std::string text;
    bool space = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t close = html.find('>', i);
            i = close == std::string_view::npos ? html.size() : close;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            space = !text.empty();
            continue;
        }
        if (space) {
            text += ' ';
            space = false;
        }
        const std::size_t semicolon = c == '&' ? html.find(';', i) : std::string_view::npos;
        if (semicolon != std::string_view::npos && semicolon - i <= 10 &&
            AppendEntity(text, html.substr(i + 1, semicolon - i - 1))) {
            i = semicolon;
            continue;
        }
        text += c;
    }
    return text;
}

std::string ReadBytes(const std::string& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = bool(in);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool IsScaleName(std::string_view key) {
    return key.starts_with("scale.") && std::count(key.begin(), key.end(), '.') == 2;
}

// "scale.T.S", the first of the four keys of each scale.
std::string ScaleKey(std::int16_t testno, int scale) {
    if (testno < 0 || testno > 1 || scale < 1 || scale > 10) {
        return "scale.?";
    }
    const int first = (testno * 10 + scale - 1) * 4;
    return MeaningKeys()[static_cast<std::size_t>(first)];
}

}  // namespace

std::map<std::string, HelpText, std::less<>> ReadHelpTexts(std::string_view html) {
    std::map<std::string, HelpText, std::less<>> texts;
    const std::string lower = Lower(html);
    int line = 1;
    std::size_t counted = 0;
    for (std::size_t at = lower.find(kAnchor); at != std::string::npos;
         at = lower.find(kAnchor, at + 1)) {
        const std::size_t name = at + kAnchor.size();
        const std::size_t quote = html.find('"', name);
        const std::size_t tag_end = html.find('>', name);
        if (quote == std::string_view::npos || tag_end == std::string_view::npos) {
            break;
        }
        line += int(std::count(html.begin() + std::ptrdiff_t(counted),
                               html.begin() + std::ptrdiff_t(at), '\n'));
        counted = at;
        const std::string_view raw =
            html.substr(tag_end + 1, BlockEnd(lower, tag_end) - tag_end - 1);
        HelpText text{PlainText(raw), line, 0};
        if (const int bad = FirstNonUtf8Line(raw); bad != 0) {
            text.bad_line = line + bad - 1;
        }
        texts.emplace(std::string(html.substr(name, quote - name)), std::move(text));
    }
    return texts;
}

const std::vector<std::string>& MeaningKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (int test = 0; test < 2; ++test) {
            for (int scale = 1; scale <= 10; ++scale) {
                const std::string key =
                    "scale." + std::to_string(test) + "." + std::to_string(scale);
                k.push_back(key);
                k.push_back(key + ".about");
                k.push_back(key + (test == 0 ? ".positive" : ".sociable"));
                k.push_back(key + (test == 0 ? ".negative" : ".dangerous"));
            }
        }
        for (const char* key : {"verdict.positive", "verdict.negative", "verdict.sociable",
                                "verdict.dangerous", "verdict.unknown", "conflicting",
                                "verdict.none", "profile", "bars", "limits", "limits.text"}) {
            k.push_back(key);
        }
        return k;
    }();
    return keys;
}

ScaleMeanings::ScaleMeanings(std::string_view english, std::string_view translated,
                             const std::string& file) {
    const auto ours = ReadHelpTexts(english);
    const auto theirs = ReadHelpTexts(translated);
    for (const std::string& key : MeaningKeys()) {
        const auto own = ours.find(key);
        // The English help is the program's own; a text it lacks shows its name.
        std::string& text = texts_[key];
        text = own == ours.end() || own->second.text.empty() ? "[" + key + "]" : own->second.text;
        if (file.empty()) {
            continue;
        }
        const auto found = theirs.find(key);
        if (found == theirs.end()) {
            faults_.push_back({file, 0, "no text named \"" + key + "\""});
        } else if (found->second.bad_line != 0) {
            faults_.push_back({file, found->second.bad_line, "\"" + key + "\" is not UTF-8"});
        } else if (found->second.text.empty()) {
            faults_.push_back({file, found->second.line, "\"" + key + "\" is empty"});
        } else if (found->second.text != text || IsScaleName(key)) {
            // A scale's name may be the same word in both languages.
            text = found->second.text;
            continue;
        }
        english_.push_back(key);
    }
}

ScaleMeanings ScaleMeanings::Load(const std::string& program_folder, const std::string& language) {
    bool found = false;
    const std::string english = ReadBytes(HelpPath(program_folder), found);
    if (language == kEnglish) {
        return ScaleMeanings(english);
    }
    const std::string file = LanguageFile(program_folder, language, "orvtest.hlp");
    if (file == HelpPath(program_folder)) {
        ScaleMeanings meanings(english);
        meanings.english_ = MeaningKeys();
        return meanings;
    }
    return ScaleMeanings(english, ReadBytes(file, found), file);
}

const std::string& ScaleMeanings::Text(std::string_view key) const {
    static const std::string none = "[?]";
    const auto found = texts_.find(key);
    return found == texts_.end() ? none : found->second;
}

const std::string& ScaleMeanings::ScaleName(std::int16_t testno, int scale) const {
    return Text(ScaleKey(testno, scale));
}

const std::string& ScaleMeanings::About(std::int16_t testno, int scale) const {
    return Text(ScaleKey(testno, scale) + ".about");
}

const std::string& ScaleMeanings::VerdictMeaning(std::int16_t testno, int scale,
                                                 std::string_view verdict) const {
    const std::string key = ScaleKey(testno, scale);
    if (verdict == verdict::kPositive || verdict == verdict::kSociable) {
        return Text(key + (testno == 0 ? ".positive" : ".sociable"));
    }
    if (verdict == verdict::kNegative || verdict == verdict::kDangerous) {
        return Text(key + (testno == 0 ? ".negative" : ".dangerous"));
    }
    return Text(verdict == verdict::kUnknown ? "verdict.unknown" : "verdict.none");
}

}  // namespace orv
