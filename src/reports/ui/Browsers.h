#pragma once
// The reference browsers: natal meanings (`MEANINGS`), the keyword course
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

// The data window, created when first asked for.
using OutputViewSource = std::function<OutputView&()>;

class MEANINGS : public QWidget {
  Q_OBJECT

 public:
  MEANINGS(std::filesystem::path appPath, OutputState& out, Host& host, OutputViewSource view,
           QWidget* parent = nullptr);

  NatalSelection Selection() const;
  void Run(NatalCommand command);
  OptionGroup* Group(int number) const;  // Option1 .. Option5

 private:
  std::filesystem::path appPath_;
  OutputState& out_;
  Host& host_;
  OutputViewSource view_;
  OptionGroup* signs_;
  OptionGroup* houses_;
  OptionGroup* planets_;
  OptionGroup* aspects_;
  OptionGroup* seconds_;
};

class KEY_WORD : public QWidget {
  Q_OBJECT

 public:
  // Opening clears the data window's file name, so its next Save asks for one.
  KEY_WORD(std::filesystem::path appPath, OutputState& out, Host& host, OutputViewSource view,
           QWidget* parent = nullptr);

  void List(const std::string& fileName);
  OptionGroup* Group(int number) const;  // Option1 .. Option3

 private:
  std::filesystem::path appPath_;
  OutputState& out_;
  Host& host_;
  OutputViewSource view_;
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
