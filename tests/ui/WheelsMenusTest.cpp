// The wheel window's menus on the offscreen platform: the option items
// across a rebuild, the aspect list, the orb file commands, the chart type
// and printing to PDF. With ORVANTA_SHOT_DIR set, the aspect-line picture
// and the printed PDFs are also saved there for a person to look at.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QtTest/QTest>
#include <filesystem>

#include "TempDir.h"
#include "TestGlyphFont.h"
#include "../wheels/WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "platform/Files.h"
#include "shell/Startup.h"
#include "wheels/AspectList.h"
#include "wheels/GlyphCodes.h"
#include "wheels/ui/CWAspect.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

using test::GlyphFont;

struct NatalWheel {
  Workbench wb;
  test::RecordingHost host;
  explicit NatalWheel(SingleWheelKind kind = SingleWheelKind::Natal) {
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    PrepareSingleWheel(wb, kind, {}, host);
  }
};

bool Checked(const Wheels& w, WheelsWindowItem id) { return w.Command(id)->isChecked(); }

TEST(WheelsMenus, OptionItemsAcrossARebuild) {
  NatalWheel n;
  const float option230 = n.wb.Options[230];
  {
    Wheels w(n.wb, n.host, {});
    EXPECT_FALSE(Checked(w, WheelsWindowItem::OptionAspectLines));
    EXPECT_TRUE(Checked(w, WheelsWindowItem::OptionDisplaySextiles));
    w.Command(WheelsWindowItem::OptionAspectLines)->trigger();
    w.Command(WheelsWindowItem::OptionDisplaySextiles)->trigger();
    EXPECT_TRUE(Checked(w, WheelsWindowItem::OptionAspectLines));
    EXPECT_FALSE(Checked(w, WheelsWindowItem::OptionDisplaySextiles));
    EXPECT_EQ(n.wb.WheelWindow.ThreeDegreeWheelOrbs, 1);
    w.Command(WheelsWindowItem::Options230Toggle)->trigger();
    EXPECT_EQ(n.wb.Options[230], option230 == 0 ? 1 : 0);
  }
  // A rebuilt window: check marks as at first, the fixed windows still on;
  // the next click turns them off.
  Wheels w(n.wb, n.host, {});
  EXPECT_FALSE(Checked(w, WheelsWindowItem::OptionAspectLines));
  EXPECT_TRUE(Checked(w, WheelsWindowItem::OptionDisplaySextiles));
  EXPECT_EQ(n.wb.WheelWindow.ThreeDegreeWheelOrbs, 1);
  w.mnuOptionAspectLines_Click();
  EXPECT_EQ(n.wb.WheelWindow.ThreeDegreeWheelOrbs, 0);
  EXPECT_FALSE(Checked(w, WheelsWindowItem::OptionAspectLines));
  w.mnuOptions230Toggle_Click();  // back, in memory only
  EXPECT_EQ(n.wb.Options[230], option230);
  // Ctrl+F11 and Ctrl+F12 stay free for the stepping items.
  EXPECT_TRUE(w.Command(WheelsWindowItem::OptionAspectLines)->shortcut().isEmpty());
  EXPECT_TRUE(w.Command(WheelsWindowItem::OptionDisplaySextiles)->shortcut().isEmpty());
  EXPECT_EQ(w.Command(WheelsWindowItem::Options230Toggle)->shortcut(), QKeySequence("Ctrl+L"));
  EXPECT_TRUE(n.host.messages.empty());
}

TEST(WheelsMenus, ChartTypeItems) {
  NatalWheel n;
  n.wb.Settings.TypeChart = 1;
  Wheels w(n.wb, n.host, {});
  EXPECT_TRUE(w.Command(WheelsWindowItem::TypeMenu)->isVisible());
  EXPECT_FALSE(Checked(w, WheelsWindowItem::TypeAmerican));
  EXPECT_TRUE(Checked(w, WheelsWindowItem::TypeEuropean));
  w.Command(WheelsWindowItem::TypeAmerican)->trigger();
  EXPECT_EQ(n.wb.Settings.TypeChart, 0);
  EXPECT_TRUE(Checked(w, WheelsWindowItem::TypeAmerican));
  EXPECT_FALSE(Checked(w, WheelsWindowItem::TypeEuropean));
  w.mnuCTEuropean_Click();
  EXPECT_EQ(n.wb.Settings.TypeChart, 1);
  n.wb.Wheel->WheelKind = 2;  // a two-chart wheel has no chart type
  Wheels dual(n.wb, n.host, {});
  EXPECT_FALSE(dual.Command(WheelsWindowItem::TypeMenu)->isVisible());
}

TEST(WheelsMenus, TheAspectListShowsTheWheelsAspects) {
  GlyphFont font;
  NatalWheel n;
  auto w = std::make_unique<Wheels>(n.wb, n.host, WheelsLinks{});
  w->Command(WheelsWindowItem::Aspects)->trigger();
  QPointer<CWAspect> list = w->AspectList();
  ASSERT_TRUE(list);
  EXPECT_EQ(list->windowTitle(), "Aspects");
  EXPECT_EQ(list->Text1()->font().family(), "Orvanta8");
  EXPECT_EQ(list->Text1()->font().pointSizeF(), 12);
  OrbTable orbs{};
  ASSERT_TRUE(ReadNumberFile(ResolveInFolder(ORVANTA_DATA_DIR, "NATAL.ORB"), orbs, OrbRanges()));
  std::string expected;
  for (const std::string& line : AspectListLines(SingleWheelAspectListInputs(*n.wb.Wheel), orbs))
    expected += GlyphString(line) + "\n";
  EXPECT_EQ(list->Text1()->toPlainText().toStdString(), expected);
  EXPECT_GT(list->Text1()->blockCount(), 5);
  // Asked again: the list is made anew; a rebuilt wheel closes it.
  w->mnuAspects_Click();
  QTest::qWait(1);
  EXPECT_FALSE(list);
  list = w->AspectList();
  ASSERT_TRUE(list);
  w.reset();
  EXPECT_FALSE(list);
}

TEST(WheelsMenus, ANewOrbFileIsChosenWhateverItsCase) {
  NatalWheel n;
  n.wb.Wheel->OrbFile = fs::path(ORVANTA_DATA_DIR) / "natal.orb";
  Wheels w(n.wb, n.host, {});
  const fs::path transit = ResolveInFolder(ORVANTA_DATA_DIR, "TRANSIT.ORB");
  n.host.fileAnswers.push_back(transit.string());
  w.Command(WheelsWindowItem::OrbsChange)->trigger();
  ASSERT_EQ(n.host.fileChoices.size(), 1u);
  EXPECT_EQ(n.host.fileChoices[0].proposedName, "NATAL.ORB");
  EXPECT_EQ(n.wb.Wheel->OrbFile, transit);
  EXPECT_EQ(n.wb.OrbFile, transit);
  EXPECT_TRUE(w.AspectList());
  // Cancel changes nothing.
  w.mnuOrbsChange_Click();
  EXPECT_EQ(n.wb.Wheel->OrbFile, transit);
  EXPECT_TRUE(n.host.messages.empty());
}

TEST(WheelsMenus, AMissingOrbFileWarnsOnceAndDrawsNoLines) {
  GlyphFont font;
  NatalWheel n;
  n.wb.Options[47] = 1;
  n.wb.Wheel->OrbFile = fs::path(ORVANTA_DATA_DIR) / "NO_SUCH.ORB";
  Wheels w(n.wb, n.host, {});
  ASSERT_EQ(n.host.messages.size(), 1u);
  EXPECT_EQ(n.host.messages[0].text,
            "Cannot find the file called " + n.wb.Wheel->OrbFile.string() + ".");
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.resize(700, 600);
  const QImage image = w.grab().toImage();
  EXPECT_EQ(n.host.messages.size(), 1u);  // never from a paint
  std::optional<OrbTable> orbs;
  EXPECT_EQ(w.PaintInputs(orbs).orbs, nullptr);
  int green = 0;  // no conjunction arc, no trine or sextile chord
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      green += c.green() > 90 && c.red() < 60 && c.blue() < 60;
    }
  EXPECT_EQ(green, 0);
}

// The chords on screen, in their colours, with the light-green arcs.
TEST(WheelsMenus, AspectLinesOnTheScreen) {
  GlyphFont font;
  NatalWheel n;
  n.wb.Options[47] = 1;
  Wheels w(n.wb, n.host, {});
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.resize(900, 700);
  QTest::qWait(20);
  const QImage image = w.grab().toImage();
  if (const QByteArray dir = qgetenv("ORVANTA_SHOT_DIR"); !dir.isEmpty())
    image.save(QString::fromUtf8(dir) + "/aspect-lines.png");
  // Pixels of one hue: dark green (option 97 = 2), light green (the arcs).
  const auto count = [&](int minGreen, int maxGreen) {
    int k = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        k += c.green() >= minGreen && c.green() <= maxGreen && c.red() < 60 && c.blue() < 60;
      }
    return k;
  };
  EXPECT_GT(count(90, 170), 200);  // sextile and trine chords
  EXPECT_GT(count(220, 255), 10);  // the Moon-Mars conjunction's arc
}

TEST(WheelsMenus, PrintsBothPagesFromAMaximisedWindow) {
  GlyphFont font;
  NatalWheel n;
  n.wb.Options[47] = 1;
  // Without a printer the program folder would take the pages.
  const test::TempDir folder;
  test::LinkShippedFiles(folder, ORVANTA_DATA_DIR);
  n.wb.AppPath = folder.path();
  const fs::path dir = folder.path() / "pages";
  fs::create_directories(dir);
  fs::path pdf;
  WheelsLinks links;
  links.choosePrinter = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    return true;
  };
  Wheels w(n.wb, n.host, std::move(links));
  w.showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  const QSize size = w.size();
  const struct {
    Answer answer;
    const char* name;
  } cases[] = {{Answer::Yes, "wheel-full.pdf"},
               {Answer::No, "wheel-half.pdf"},
               {Answer::Cancel, "wheel-none.pdf"}};
  for (const auto& c : cases) {
    pdf = dir / c.name;
    fs::remove(pdf);
    n.host.answers.push_back(c.answer);
    w.Command(WheelsWindowItem::PrintChartwheel)->trigger();
    const auto& asked = n.host.messages.back();
    EXPECT_EQ(asked.text,
              "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.");
    EXPECT_EQ(asked.title, "Full page or half page chartwheel");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(fs::exists(pdf), c.answer != Answer::Cancel) << c.name;
    if (c.answer != Answer::Cancel) {
      EXPECT_GT(fs::file_size(pdf), 2000u) << c.name;
      if (const QByteArray shots = qgetenv("ORVANTA_SHOT_DIR"); !shots.isEmpty())
        fs::copy_file(pdf, fs::path(shots.toStdString()) / c.name,
                      fs::copy_options::overwrite_existing);
    }
    // The window is left as it was.
    EXPECT_TRUE(w.isMaximized());
    EXPECT_EQ(w.size(), size);
  }
  EXPECT_EQ(n.host.messages.size(), 3u);
}

TEST(WheelsMenus, HelpShowsTheWheelsText) {
  NatalWheel n;
  std::string shown;
  WheelsLinks links;
  links.showHelp = [&](std::string_view file) { shown = file; };
  Wheels w(n.wb, n.host, std::move(links));
  w.Command(WheelsWindowItem::Help)->trigger();
  EXPECT_EQ(shown, "WHEELS.HLP");
  QStringList captions;
  for (QAction* a : w.MenuBar()->actions())
    if (a->isVisible()) captions << a->text();  // Switch belongs to the combined wheel
  EXPECT_EQ(captions, (QStringList{"&Aspects", "&Orbs", "Options", "&Print", "&Type", "&Help"}));
}

}  // namespace
}  // namespace orv
