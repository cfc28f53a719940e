// What the results say of each scale, read from the help of a language.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "evaluation/core/scoring.h"
#include "results/core/help_texts.h"
#include "results/core/scale_order.h"

namespace {

std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(ORV_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The paragraphs under the heading that names a scale, without their tags.
std::vector<std::string> Section(const std::string& html, const std::string& name) {
    const std::size_t from = html.find(name + "</h3>");
    const std::string section = html.substr(from, html.find("<h", from) - from);
    const std::regex paragraph("<p>(.*?)</p>");
    std::vector<std::string> paragraphs;
    for (std::sregex_iterator p(section.begin(), section.end(), paragraph), end; p != end; ++p)
        paragraphs.push_back(std::regex_replace((*p)[1].str(), std::regex("<[^>]*>"), ""));
    return paragraphs;
}

// Each scale is explained by the paragraphs under its own heading, each
// verdict by the paragraph of its own direction, in English and German.
TEST(ScaleMeanings, EachScaleHasTheTextsOfItsOwnSectionAndVerdicts) {
    const std::string english = ReadData("orvtest.hlp"), german = ReadData("de/orvtest.hlp");
    const orv::WordsFile de = orv::ReadEvaluationWords(ReadData("de/evaluation.words"), "de");
    const std::pair<const orv::EvaluationWords*, std::string> languages[] = {
        {&orv::EvaluationWords::English(), english}, {&de.words, german}};
    for (const auto& [words, html] : languages) {
        const orv::ScaleMeanings meanings =
            html == english ? orv::ScaleMeanings(english) : orv::ScaleMeanings(english, html, "de");
        EXPECT_EQ(meanings.faults().size(), 0u);
        for (std::int16_t test = 0; test < 2; ++test) {
            const std::string up = test ? orv::verdict::kSociable : orv::verdict::kPositive;
            const std::string down = test ? orv::verdict::kDangerous : orv::verdict::kNegative;
            for (int scale = 1; scale <= 10; ++scale) {
                const std::string name = words->ScaleName(test, scale);
                EXPECT_EQ(meanings.ScaleName(test, scale), name);
                EXPECT_EQ(
                    Section(html, name),
                    (std::vector<std::string>{
                        meanings.About(test, scale),
                        words->Verdict(up) + ": " + meanings.VerdictMeaning(test, scale, up),
                        words->Verdict(down) + ": " + meanings.VerdictMeaning(test, scale, down)}))
                    << name;
            }
        }
        EXPECT_EQ(meanings.VerdictMeaning(1, 3, orv::verdict::kNoResponses),
                  meanings.Text("verdict.none"));
    }
}

// A text missing, not UTF-8 or empty is English, that text alone, and named
// with its file and line; one that is the English words is left in English.
TEST(ScaleMeanings, AFaultyTextFallsBackToEnglishAlone) {
    const std::string english = ReadData("orvtest.hlp");
    std::string german = ReadData("de/orvtest.hlp");
    const auto edit = [&](const std::string& from, const std::string& to) {
        german.replace(german.find(from), from.size(), to);
    };
    const auto line = [&](const std::string& text) {
        return 1 + int(std::count(german.begin(), german.begin() + german.find(text), '\n'));
    };
    edit("<a name=\"scale.0.3.about\"></a>", "");
    edit("<a name=\"scale.0.4.about\"></a>Diese", "<a name=\"scale.0.4.about\"></a>\n\xE4");
    const std::string anchor = "<a name=\"scale.1.2.sociable\"></a>";
    const std::size_t empty = german.find(anchor) + anchor.size();
    german.erase(empty, german.find("</p>", empty) - empty);
    edit(
        "Ihre Zustimmungen auf den beiden Seiten der Skala halten sich genau die Waage, sodass "
        "sich keine Neigung zeigen l\xC3\xA4sst.",
        "Your agreements on both sides of the scale balance exactly, so no leaning can be shown.");
    const orv::ScaleMeanings meanings(english, german, "de/orvtest.hlp");
    std::vector<std::string> faults;
    for (const orv::HelpFault& fault : meanings.faults()) {
        faults.push_back(fault.file + ":" + std::to_string(fault.line) + ": " + fault.fault);
    }
    EXPECT_EQ(faults, (std::vector<std::string>{
                          "de/orvtest.hlp:0: no text named \"scale.0.3.about\"",
                          "de/orvtest.hlp:" + std::to_string(line("\xE4")) +
                              ": \"scale.0.4.about\" is not UTF-8",
                          "de/orvtest.hlp:" + std::to_string(line("scale.1.2.sociable")) +
                              ": \"scale.1.2.sociable\" is empty"}));
    EXPECT_EQ(meanings.english(),
              (std::vector<std::string>{"scale.0.3.about", "scale.0.4.about", "scale.1.2.sociable",
                                        "verdict.unknown"}));
    EXPECT_EQ(meanings.About(0, 4) + meanings.About(0, 5).substr(0, 12),
              orv::ScaleMeanings(english).About(0, 4) + "Diese Skala ");
}

// Strongest first: the largest share either way first, equal shares in the
// test's order; the earlier result's scales follow the later's.
TEST(ScaleOrder, StrongestFirstByShareEitherWayTiesInTestOrder) {
    orv::ProfileView view{{}, orv::Profile{}};
    const double shares[] = {0.5, -0.75, 0.5, 0, -1.0, 0.25, -0.5, 0.75, 0, 0.5};
    for (int i = 0; i < 10; ++i) {
        view.later.scales[i].share = shares[i];
        view.later.scales[i].number = view.earlier->scales[i].number = i + 1;
    }
    EXPECT_EQ(orv::ScaleOrder(view.later, false), (std::array{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const auto order = orv::ScaleOrder(view.later, true);
    EXPECT_EQ(order, (std::array{4, 1, 7, 0, 2, 6, 9, 5, 3, 8}));
    const orv::ProfileView shown = orv::Reordered(view, order);
    EXPECT_EQ(shown.later.scales[1].share, -0.75);
    EXPECT_EQ(shown.earlier->scales[0].number, 5);

    orv::ProfileScale scale;
    std::tie(scale.score, scale.largest_up, scale.largest_down) = std::tuple(12, 16, -12);
    const orv::WordsFile de = orv::ReadEvaluationWords(ReadData("de/evaluation.words"), "de");
    EXPECT_EQ(orv::ShareText(scale, 0), "12 of a possible 16 towards Positive");
    EXPECT_EQ(orv::ShareText(scale, 0, de.words), "12 von m\xC3\xB6glichen 16 in Richtung Positiv");
    scale.score = -6;
    EXPECT_EQ(orv::ShareText(scale, 1), "6 of a possible 12 towards Dangerous");
    scale.score = 0;
    EXPECT_EQ(orv::ShareText(scale, 0),
              "0 of a possible 16 towards Positive or 12 towards Negative");
}

}  // namespace
