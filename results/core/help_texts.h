#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A named text of a help file: the words from the anchor `<a name="key">` to
// the end of the paragraph, list item or heading that holds it, without tags,
// with entities read and runs of white space as one space
// (docs/translating.md). `line` is the anchor's, counted from 1.
struct HelpText {
    std::string text;
    int line = 0;
    int bad_line = 0;  // the line of a byte that is not UTF-8, 0 when none
};

// Every named text of a help file's bytes, by anchor name.
std::map<std::string, HelpText, std::less<>> ReadHelpTexts(std::string_view html);

// The anchors whose texts the results take from the help, in the order of the
// English help: for each scale "scale.T.S" (its name), ".about" and its two
// verdicts, then the verdicts, "conflicting", "profile", "bars", "limits" and
// "limits.text".
const std::vector<std::string>& MeaningKeys();

// A fault of a help file: a text that is missing, empty or not UTF-8.
struct HelpFault {
    std::string file;
    int line = 0;  // 0 for a text that is missing
    std::string fault;
};

// What the results say in words of one language, from its help file, each
// text English where the language's is faulty.
class ScaleMeanings {
  public:
    // From the bytes of the English help and of a language's ("" for
    // English itself), named `file` in the faults.
    ScaleMeanings(std::string_view english, std::string_view translated = {},
                  const std::string& file = {});

    // The texts of `language` from the help files in `program_folder`.
    static ScaleMeanings Load(const std::string& program_folder, const std::string& language);

    // The text of one of MeaningKeys(), never empty.
    const std::string& Text(std::string_view key) const;

    // Scale 1..10 of test 0 or 1: its name, as the heading of its section says.
    const std::string& ScaleName(std::int16_t testno, int scale) const;
    // What the scale looks at.
    const std::string& About(std::int16_t testno, int scale) const;
    // What `verdict` ("Positive", "No Responses", ... as the scoring names
    // it) means on that scale.
    const std::string& VerdictMeaning(std::int16_t testno, int scale,
                                      std::string_view verdict) const;

    const std::vector<HelpFault>& faults() const { return faults_; }
    // The keys whose text is the English one: taken from the English help,
    // or the same words.
    const std::vector<std::string>& english() const { return english_; }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::vector<HelpFault> faults_;
    std::vector<std::string> english_;
};

}  // namespace orv
