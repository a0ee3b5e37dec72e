// Generates the 21 score tables of the Magi Society couple analysis in
// data/: ROM_x.DAT, SEX_x.DAT and CMPT_x.DAT for x = C, S, T, Q, O, P, CP,
// each 15 lines of 15 comma-separated whole numbers (CR LF). Line r is the
// chart-2 body, value c on it the chart-1 body; indices 1..10 are the Sun ..
// the Moon, 13 Chiron, and 11, 12, 14 and 15 stay 0.
//
// The scores follow the labels the analysis writes for a pair (the couple
// variant of the program's own label rules), so a linkage scores positive
// in the categories its words name and a clash negative:
//  - linkage words: Sexual -> SEX; Cupid, Romance, Cinderella, MAGIcal ->
//    ROM; Golden, Silver -> ROM and CMPT; Fidelity, Trust, marriage,
//    Lifetime -> CMPT (any letter case). Each named category gets 50 plus
//    20 per further word naming it, at most 90; " AND SUPER" adds 60 to
//    every category with a value; a quincunx gets half, rounded down; the
//    label "SUPER" alone gives 110 in all three;
//  - clashes: SATURN -60 to all three; NUCLEAR -60 to CMPT; HEARTBREAK -60
//    to ROM; the named clashes of squares and oppositions by their kind
//    (table below). Labels of one hit add up.
// The tables come out symmetric, as the label rules are. Running the tool
// twice writes the same bytes.
//
// Run again:
//   cmake --build build --target magi_score_tables
//   build/magi_score_tables data

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "relationship/magi/MagiRules.h"

namespace {

using orv::MagiVariant;

enum Category { Rom = 0, Sex = 1, Cmpt = 2 };
using Scores = std::array<int, 3>;

struct WordRule {
  std::string_view word;  // lower case
  bool rom, sex, cmpt;
};
constexpr WordRule kWords[] = {
    {"sexual", false, true, false},    {"cupid", true, false, false},
    {"romance", true, false, false},   {"cinderella", true, false, false},
    {"magical", true, false, false},   {"golden", true, false, true},
    {"silver", true, false, true},     {"fidelity", false, false, true},
    {"trust", false, false, true},     {"marriage", false, false, true},
    {"lifetime", false, false, true},
};

struct ClashRule {
  std::string_view label;
  Scores scores;
};
constexpr ClashRule kClashes[] = {
    {"SATURN CLASH", {-60, -60, -60}},
    {"NUCLEAR CLASH", {0, 0, -60}},
    {"HEARTBREAK CLASH", {-60, 0, 0}},
    {"SEXUAL CLASH", {-50, -110, 0}},
    {"BELLIGERENT CLASH", {-50, 0, -110}},
    {"ARGUMENTATIVE CLASH", {-50, 0, -110}},
    {"CLASH OF WAR", {-50, 0, -110}},
    {"FIGHT TO THE DEATH CLASH", {-50, 0, -110}},
    {"COMMUNICATION CLASH", {0, 0, -80}},
    {"SPELL IT OUT CLASH", {0, 0, -80}},
    {"EMPATHY CLASH", {0, 0, -80}},
    {"INDIFFERENCE CLASH", {0, 0, -80}},
    {"AWKWARDNESS CLASH", {0, 0, -80}},
    {"WRONG PERSON CLASH", {-110, 0, -50}},
    {"IMPOSSIBLE DREAM CLASH", {-110, 0, -50}},
    {"HERE TODAY, GONE TOMORROW CLASH", {-110, 0, -50}},
    {"ON AGAIN, OFF AGAIN CLASH", {-110, 0, -50}},
    {"INFIDELITY CLASH", {-110, 0, -50}},
    {"SEPARATE WAYS CLASH", {-110, 0, -50}},
    {"MONEY PIT CLASH", {-110, 0, -50}},
    {"CHIRON CLASH", {-110, 0, -50}},
    {"LUST-HATE CLASH", {-50, -50, -110}},
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The labels of a hit, each without its three leading blanks.
std::vector<std::string> SplitLabels(const std::string& labels) {
  std::vector<std::string> out;
  size_t at = 0;
  while ((at = labels.find("   ", at)) != std::string::npos) {
    const size_t end = labels.find("   ", at + 3);
    out.push_back(labels.substr(at + 3, end == std::string::npos ? end : end - at - 3));
    at = end;
  }
  return out;
}

Scores LinkageScores(std::string label, bool quincunx) {
  constexpr std::string_view kAndSuper = " AND SUPER";
  const bool super = label.size() > kAndSuper.size() && label.ends_with(kAndSuper);
  if (super) label.resize(label.size() - kAndSuper.size());
  std::array<int, 3> words{};
  size_t at = 0;
  while (at < label.size()) {
    size_t end = label.find(' ', at);
    if (end == std::string::npos) end = label.size();
    const std::string word = Lower(std::string_view(label).substr(at, end - at));
    for (const WordRule& rule : kWords) {
      if (word != rule.word) continue;
      words[Rom] += rule.rom;
      words[Sex] += rule.sex;
      words[Cmpt] += rule.cmpt;
    }
    at = end + 1;
  }
  Scores s{};
  for (int c = 0; c < 3; ++c) {
    if (words[size_t(c)] == 0) continue;
    int v = std::min(90, 50 + 20 * (words[size_t(c)] - 1));
    if (super) v += 60;
    if (quincunx) v /= 2;
    s[size_t(c)] = v;
  }
  return s;
}

Scores ScoresOfLabels(const std::string& labels, bool quincunx) {
  Scores total{};
  for (const std::string& label : SplitLabels(labels)) {
    Scores s{};
    if (label == "SUPER") {
      s = {110, 110, 110};
    } else if (label.find("CLASH") != std::string::npos) {
      bool known = false;
      for (const ClashRule& rule : kClashes) {
        if (label != rule.label) continue;
        s = rule.scores;
        known = true;
      }
      if (!known) {
        std::cerr << "no scores for the clash \"" << label << "\"\n";
        std::exit(1);
      }
    } else {
      s = LinkageScores(label, quincunx);
    }
    for (int c = 0; c < 3; ++c) total[size_t(c)] += s[size_t(c)];
  }
  return total;
}

// The body at a score-file index, or 0 for an unused index.
int BodyAt(int index) {
  if (index >= 1 && index <= 10) return index;
  return index == 13 ? orv::MagiChiron : 0;
}

struct Kind {
  std::string_view suffix;
  int slot;  // the `AspectCode` of a longitude aspect, 7 parallel, 9 contra-parallel
};
constexpr Kind kKinds[] = {{"C", 2}, {"S", 4}, {"T", 5}, {"Q", 11}, {"O", 6}, {"P", 7}, {"CP", 9}};

Scores ScoresOf(int slot, int a, int b) {
  if (a == 0 || b == 0) return {};
  const bool parallel = slot == orv::MagiParallelSlot || slot == orv::MagiContraParallelSlot;
  const std::string labels = parallel ? orv::MagiParallelLabels(a, b, MagiVariant::Couple)
                                      : orv::MagiLongitudeLabels(a, b, slot, MagiVariant::Couple);
  return ScoresOfLabels(labels, slot == 11);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " DATA_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  constexpr std::string_view kPrefixes[] = {"ROM_", "SEX_", "CMPT_"};
  for (int category = 0; category < 3; ++category) {
    for (const Kind& kind : kKinds) {
      std::string text;
      for (int row = 1; row <= 15; ++row) {
        for (int column = 1; column <= 15; ++column) {
          const Scores s = ScoresOf(kind.slot, BodyAt(column), BodyAt(row));
          text += std::to_string(s[size_t(category)]) + (column < 15 ? "," : "\r\n");
        }
      }
      const auto path =
          folder / (std::string(kPrefixes[category]) + std::string(kind.suffix) + ".DAT");
      std::ofstream out(path, std::ios::binary);
      out << text;
      if (!out) {
        std::cerr << "cannot write " << path << "\n";
        return 1;
      }
    }
  }
  return 0;
}
