#include "reports/ui/Browsers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Links.h"
#include "platform/Host.h"
#include "reports/ui/OptionGroup.h"

namespace orv {

namespace {

template <std::size_t N>
std::vector<std::string_view> Captions(const std::array<std::string_view, N>& a) {
  return {a.begin(), a.end()};
}

// The File menu whose Exit closes the window.
void AddFileMenu(QWidget* window, QLayout* layout) {
  auto* bar = new QMenuBar(window);
  QMenu* file = bar->addMenu("&File");
  QAction* exit = file->addAction("E&xit");
  QObject::connect(exit, &QAction::triggered, window, &QWidget::close);
  layout->setMenuBar(bar);
}

QPushButton* AddButton(QWidget* window, QLayout* layout, const char* name, const char* caption,
                       std::function<void()> command) {
  auto* button = new QPushButton(caption, window);
  button->setObjectName(name);
  QObject::connect(button, &QPushButton::clicked, window, std::move(command));
  layout->addWidget(button);
  return button;
}

void ShowHints(Host& host, std::string_view text) {
  host.ShowMessage(text, kHelpfulHintsTitle, MessageIcon::Information);
}

}  // namespace

void BrowserOutput::RequireBound() const {
  RequireLinks("BrowserOutput", {{"view", static_cast<bool>(view)}});
}

MEANINGS::MEANINGS(BrowserOutput output, QWidget* parent)
    : QWidget(parent), output_(std::move(output)) {
  output_.RequireBound();
  setObjectName("MEANINGS");
  setWindowTitle("Natal Chart Meanings");
  auto* layout = new QVBoxLayout(this);
  AddFileMenu(this, layout);
  auto* groups = new QHBoxLayout;
  planets_ = new OptionGroup("Option3", "Planets", Captions(kMeaningPlanetCaptions), 1, this);
  signs_ = new OptionGroup("Option1", "Sign/Asc Sign", Captions(kSignCaptions), 1, this);
  houses_ = new OptionGroup("Option2", "Houses", Captions(kHouseCaptions), 1, this);
  aspects_ = new OptionGroup("Option4", "Aspects", Captions(kAspectKindCaptions), 1, this);
  seconds_ = new OptionGroup("Option5", "2nd Planet", Captions(kMeaningPlanetCaptions), 1, this);
  auto* aspectColumn = new QVBoxLayout;
  aspectColumn->addWidget(aspects_);
  aspectColumn->addStretch();
  for (QWidget* g : {static_cast<QWidget*>(planets_), static_cast<QWidget*>(signs_),
                     static_cast<QWidget*>(houses_)})
    groups->addWidget(g, 0, Qt::AlignTop);
  groups->addLayout(aspectColumn);
  groups->addWidget(seconds_, 0, Qt::AlignTop);
  layout->addLayout(groups);
  auto* buttons = new QHBoxLayout;
  AddButton(this, buttons, "OKSigns", "Planet in &sign",
            [this] { Run(NatalCommand::PlanetInSign); });
  AddButton(this, buttons, "OKHouses", "Planet &house",
            [this] { Run(NatalCommand::PlanetInHouse); });
  AddButton(this, buttons, "OKRisingSign", "&Rising sign",
            [this] { Run(NatalCommand::RisingSign); });
  AddButton(this, buttons, "OKAspects", "&Aspects", [this] { Run(NatalCommand::Aspect); });
  AddButton(this, buttons, "Command1", "Hel&p",
            [this] { ShowHints(output_.host, kNatalMeaningsHelp); });
  layout->addLayout(buttons);

  const NatalSelection defaults;
  signs_->Check(defaults.sign);
  houses_->Check(defaults.house);
  planets_->Check(defaults.planet);
  aspects_->Check(defaults.aspect);
  seconds_->Check(defaults.second);
  signs_->SetDoubleClick([this] { Run(NatalCommand::RisingSign); });
  houses_->SetDoubleClick([this] { Run(NatalCommand::PlanetInHouse); });
  aspects_->SetDoubleClick([this] { Run(NatalCommand::Aspect); });
}

NatalSelection MEANINGS::Selection() const {
  return {signs_->Checked(), houses_->Checked(), planets_->Checked(), aspects_->Checked(),
          seconds_->Checked()};
}

void MEANINGS::Run(NatalCommand command) {
  RunNatalMeaning(command, Selection(), output_.appPath, output_.out, output_.host, output_.view());
}

OptionGroup* MEANINGS::Group(int number) const {
  const std::array<OptionGroup*, 5> groups = {signs_, houses_, planets_, aspects_, seconds_};
  return groups.at(static_cast<std::size_t>(number - 1));
}

CoupleMeanings::CoupleMeanings(CoupleBrowser browser, BrowserOutput output, QWidget* parent)
    : QWidget(parent), browser_(browser), output_(std::move(output)) {
  output_.RequireBound();
  const bool composite = browser == CoupleBrowser::Composite;
  setObjectName(composite ? "MEandYOU" : "YOUandME");
  setWindowTitle(composite ? "Composite Chart Meanings" : "Synastry Chart Meanings");
  output_.out.OutputFileName.clear();
  auto* layout = new QVBoxLayout(this);
  AddFileMenu(this, layout);
  auto* groups = new QHBoxLayout;
  planets_ = new OptionGroup("Option3", composite ? "Planets" : "Planets (P1)",
                             Captions(kMeaningPlanetCaptions), 1, this);
  aspects_ = new OptionGroup(
      "Option4", "Aspects",
      composite ? Captions(kAspectKindCaptions) : Captions(kSynastryAspectCaptions), 1, this);
  seconds_ = new OptionGroup("Option5", composite ? "2nd Planet" : "2nd Planet (P2)",
                             Captions(kMeaningPlanetCaptions), 1, this);
  for (OptionGroup* g : {planets_, aspects_, seconds_}) groups->addWidget(g, 0, Qt::AlignTop);
  if (composite) {
    houses_ = new OptionGroup("Option2", "Houses", Captions(kHouseCaptions), 1, this);
    groups->addWidget(houses_, 0, Qt::AlignTop);
  }
  layout->addLayout(groups);
  auto* buttons = new QHBoxLayout;
  AddButton(this, buttons, "OKAspects", "&Aspects", [this] { OKAspects_Click(); });
  if (composite) AddButton(this, buttons, "OKHouses", "Planet &house", [this] { OKHouses_Click(); });
  AddButton(this, buttons, "OKHelp", "Hel&p", [this, composite] {
    ShowHints(output_.host, composite ? kCompositeMeaningsHelp : kSynastryMeaningsHelp);
  });
  if (!composite)
    AddButton(this, buttons, "Command2", "More Help",
              [this] { ShowHints(output_.host, kSynastryMoreHelp); });
  layout->addLayout(buttons);

  const CoupleSelection defaults;
  planets_->Check(defaults.planet);
  aspects_->Check(defaults.aspect);
  seconds_->Check(defaults.second);
  aspects_->SetDoubleClick([this] { OKAspects_Click(); });
  if (houses_) {
    houses_->Check(defaults.house);
    houses_->SetDoubleClick([this] { OKHouses_Click(); });
  }
}

CoupleSelection CoupleMeanings::Selection() const {
  CoupleSelection s;
  s.planet = planets_->Checked();
  s.aspect = aspects_->Checked();
  s.second = seconds_->Checked();
  if (houses_) s.house = houses_->Checked();
  return s;
}

void CoupleMeanings::OKAspects_Click() {
  RunCoupleMeaning(LookUpCoupleAspect(browser_, Selection()), output_.appPath, output_.out,
                   output_.host, output_.view());
}

void CoupleMeanings::OKHouses_Click() {
  if (!houses_) return;
  RunCoupleMeaning(LookUpCompositeHouse(Selection()), output_.appPath, output_.out, output_.host,
                   output_.view());
}

OptionGroup* CoupleMeanings::Group(int number) const {
  const std::array<OptionGroup*, 4> groups = {houses_, planets_, aspects_, seconds_};
  return groups.at(static_cast<std::size_t>(number - 2));
}

KEY_WORD::KEY_WORD(BrowserOutput output, QWidget* parent)
    : QWidget(parent), output_(std::move(output)) {
  output_.RequireBound();
  setObjectName("KEY_WORD");
  setWindowTitle("Delineation by Keywords");
  output_.out.OutputFileName.clear();
  auto* layout = new QVBoxLayout(this);
  AddFileMenu(this, layout);
  auto* course = new QHBoxLayout;
  const struct {
    const char *name, *caption, *file;
  } files[] = {{"OKIntro1", "Intro", "INTRO1.TXT"},
               {"OKIntro2", "Steps", "INTRO2.TXT"},
               {"OKKey1", "Key", "KEY.TXT"},
               {"OKGeneral1", "General", "GENERAL.TXT"},
               {"OKExample1", "Example", "EXAMPLE1.TXT"},
               {"OKExample2", "Summary", "EXAMPLE2.TXT"},
               {"OKAspects", "Aspects", "ASPECTS.TXT"}};
  for (const auto& f : files)
    AddButton(this, course, f.name, f.caption, [this, file = std::string(f.file)] { List(file); });
  layout->addLayout(course);

  signs_ = new OptionGroup("Option1", "Sign", Captions(kSignCaptions), 2, this);
  houses_ = new OptionGroup("Option2", "House", Captions(kHouseCaptions), 2, this);
  planets_ = new OptionGroup("Option3", "Planet", Captions(kKeywordPlanetCaptions), 2, this);
  auto listSign = [this] { List(KeywordSignFile(signs_->Checked())); };
  auto listHouse = [this] { List(KeywordHouseFile(houses_->Checked())); };
  auto listPlanet = [this] { List(KeywordPlanetFile(planets_->Checked())); };
  auto* groups = new QGridLayout;
  int column = 0;
  const struct {
    OptionGroup* group;
    const char* button;
    std::function<void()> command;
  } columns[] = {{signs_, "OKSign1", listSign},
                 {houses_, "OKHouse1", listHouse},
                 {planets_, "OKPlanet1", listPlanet}};
  for (const auto& c : columns) {
    groups->addWidget(c.group, 0, column);
    auto* button = new QHBoxLayout;
    AddButton(this, button, c.button, c.group->title().toUtf8().constData(), c.command);
    groups->addLayout(button, 1, column++);
    c.group->SetDoubleClick(c.command);
  }
  layout->addLayout(groups);
  auto* help = new QHBoxLayout;
  help->addStretch();
  AddButton(this, help, "Command2", "Help",
            [this] { ShowHints(output_.host, kKeywordSystemHelp); });
  layout->addLayout(help);

  signs_->Check(6);
  houses_->Check(6);
  planets_->Check(4);
}

void KEY_WORD::List(const std::string& fileName) {
  RunKeywordFile(fileName, output_.appPath, output_.out, output_.host, output_.view());
}

OptionGroup* KEY_WORD::Group(int number) const {
  const std::array<OptionGroup*, 3> groups = {signs_, houses_, planets_};
  return groups.at(static_cast<std::size_t>(number - 1));
}

KeywordsWindow::KeywordsWindow(KeywordGrid grid, Host& host, QWidget* parent)
    : QWidget(parent), kind_(grid), host_(host) {
  const bool personal = grid == KeywordGrid::Personal;
  setObjectName(personal ? "Keywords" : "Keywords2");
  setWindowTitle(personal ? "Keywords" : "Keywords - part 2");
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QLabel("    Planet          Sign             House         Quality", this);
  columns->setObjectName("Label2");
  layout->addWidget(columns);
  grid_ = new QTableWidget(kKeywordGridRows, kKeywordGridColumns, this);
  grid_->setObjectName("grdOutput");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  // 1200 by 250 twips at 96 dots per inch, rows taller when the font is.
  constexpr int kColumnWidth = 80;
  const int kRowHeight = std::max(17, grid_->fontMetrics().height() + 6);
  for (int c = 0; c < kKeywordGridColumns; ++c) {
    grid_->setColumnWidth(c, kColumnWidth);
    for (int r = 0; r < kKeywordGridRows; ++r) {
      if (c == 0) grid_->setRowHeight(r, kRowHeight);
      const std::string_view text = KeywordGridCell(grid, r, c);
      grid_->setItem(r, c,
                     new QTableWidgetItem(
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    }
  }
  grid_->setFixedSize(kColumnWidth * kKeywordGridColumns + 2 * grid_->frameWidth(),
                      kRowHeight * kKeywordGridRows + 2 * grid_->frameWidth());
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(grid_, &QTableWidget::cellClicked, this, &KeywordsWindow::grdOutput_Click);
  layout->addWidget(grid_);
  auto* note = new QLabel("NOTE: Click on a topic for information", this);
  note->setObjectName("Label1");
  note->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  layout->addWidget(note);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void KeywordsWindow::grdOutput_Click(int row, int column) {
  const std::string_view cell = KeywordGridCell(kind_, row, column);
  if (const auto text = KeywordTopicText(kind_, cell))
    host_.ShowMessage(*text, cell, MessageIcon::Information);
}

}  // namespace orv
