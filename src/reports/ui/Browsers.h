#pragma once
// The reference browsers: natal meanings (`MEANINGS`), composite and
// synastry meanings (`MEandYOU`, `YOUandME`), the keyword course
// (`KEY_WORD`) and the two keyword grids (`Keywords`, `Keywords2`). None
// needs a computed chart; each reads only its own controls.

#include <QWidget>
#include <filesystem>
#include <functional>

#include "reports/MeaningBrowsers.h"

class QTableWidget;

namespace orv {

class Host;
class OptionGroup;

// Where a browser lists: the program folder, the output buffer, the
// messages and the data window (created when first asked for).
struct BrowserOutput {
  std::filesystem::path appPath;
  OutputState& out;
  Host& host;
  std::function<OutputView&()> view;

  // Throws std::logic_error when `view` is not bound; each browser checks
  // as it is made.
  void RequireBound() const;
};

class MEANINGS : public QWidget {
  Q_OBJECT

 public:
  explicit MEANINGS(BrowserOutput output, QWidget* parent = nullptr);

  NatalSelection Selection() const;
  void Run(NatalCommand command);
  OptionGroup* Group(int number) const;  // Option1 .. Option5

 private:
  BrowserOutput output_;
  OptionGroup* signs_;
  OptionGroup* houses_;
  OptionGroup* planets_;
  OptionGroup* aspects_;
  OptionGroup* seconds_;
};

// `MEandYOU` ("Composite Chart Meanings") or `YOUandME` ("Synastry Chart
// Meanings"), by `browser`.
class CoupleMeanings : public QWidget {
  Q_OBJECT

 public:
  // Opening clears the data window's file name, so its next Save asks for one.
  CoupleMeanings(CoupleBrowser browser, BrowserOutput output, QWidget* parent = nullptr);

  CoupleSelection Selection() const;
  void OKAspects_Click();
  void OKHouses_Click();  // composite only
  OptionGroup* Group(int number) const;  // Option2 (composite only) .. Option5

 private:
  CoupleBrowser browser_;
  BrowserOutput output_;
  OptionGroup* houses_ = nullptr;
  OptionGroup* planets_;
  OptionGroup* aspects_;
  OptionGroup* seconds_;
};

class KEY_WORD : public QWidget {
  Q_OBJECT

 public:
  // Opening clears the data window's file name, so its next Save asks for one.
  explicit KEY_WORD(BrowserOutput output, QWidget* parent = nullptr);

  void List(const std::string& fileName);
  OptionGroup* Group(int number) const;  // Option1 .. Option3

 private:
  BrowserOutput output_;
  OptionGroup* signs_;
  OptionGroup* houses_;
  OptionGroup* planets_;
};

class KeywordsWindow : public QWidget {
  Q_OBJECT

 public:
  KeywordsWindow(KeywordGrid grid, Host& host, QWidget* parent = nullptr);

  QTableWidget* grdOutput() const { return grid_; }
  // The click on a cell: its topic's text titled with the cell text.
  void grdOutput_Click(int row, int column);

 private:
  KeywordGrid kind_;
  Host& host_;
  QTableWidget* grid_;
};

}  // namespace orv
