#include "shell/ui/TextFileEditor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Workbench.h"
#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/EditorFiles.h"
#include "shell/OptionFiles.h"

namespace orv {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* AddButton(QWidget* window, QHBoxLayout* row, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), window);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

TextFileEditor::TextFileEditor(EditorSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window), setup_(std::move(setup)) {
  setObjectName(Q(setup_.windowName));
  setWindowTitle(Q(setup_.caption));

  text_ = new QPlainTextEdit(this);
  text_->setObjectName("txtContent");
  // Option and orb lines keep their value in the first seven columns, and
  // names and cities records line up: a fixed-pitch font, no wrapping.
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SetText(setup_.text);

  auto* buttons = new QHBoxLayout;
  auto* save = AddButton(this, buttons, "btnSave", "Save");
  connect(save, &QPushButton::clicked, this, &TextFileEditor::btnSave_Click);
  if (setup_.restoreDefault) {
    auto* restore = AddButton(this, buttons, "cmdRestoreDefault", "Restore Default");
    connect(restore, &QPushButton::clicked, this, &TextFileEditor::cmdRestoreDefault_Click);
  }
  auto* quit = AddButton(this, buttons, "btnQuit", "Quit");
  connect(quit, &QPushButton::clicked, this, &TextFileEditor::btnQuit_Click);
  buttons->addStretch();
  if (setup_.copyPasteHint)
    buttons->addWidget(new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.", this));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  resize(640, 480);
}

void TextFileEditor::SetText(const std::string& text) {
  text_->setPlainText(Q(JoinLinesCrLf(SplitLines(text))).replace("\r\n", "\n"));
}

std::string TextFileEditor::Text() const {
  return text_->toPlainText().replace('\n', "\r\n").toStdString();
}

void TextFileEditor::btnSave_Click() {
  if (setup_.save) setup_.save(Text());
}

void TextFileEditor::cmdRestoreDefault_Click() {
  if (!setup_.restoreDefault) return;
  if (auto restored = setup_.restoreDefault()) SetText(*restored);
}

void TextFileEditor::btnQuit_Click() {
  if (setup_.afterQuit) setup_.afterQuit();
  close();
}

std::optional<EditorSetup> OptionsEditorSetup(Workbench& workbench, Host& host,
                                              std::function<void()> afterSave) {
  auto text = OpenOptionsEditorText(host, workbench.AppPath, workbench.Options);
  if (!text) return std::nullopt;
  EditorSetup setup;
  setup.windowName = "Options";
  setup.caption = EditorCaption(kOptionsFileName);
  setup.text = std::move(*text);
  setup.save = [&workbench, &host, afterSave](std::string_view edited) {
    if (!SaveOptionsText(host, workbench.AppPath, edited, workbench.Options)) return false;
    if (afterSave) afterSave();
    return true;
  };
  setup.restoreDefault = [&workbench, &host] {
    return RestoreDefaultOptionsText(host, workbench.AppPath, workbench.Options);
  };
  return setup;
}

std::optional<EditorSetup> OrbsEditorSetup(Workbench& workbench, Host& host) {
  const std::filesystem::path orbFile = workbench.OrbFile.empty()
                                            ? ResolveInFolder(workbench.AppPath, kNatalOrbFileName)
                                            : workbench.OrbFile;
  auto text = OpenEditorText(host, orbFile);
  if (!text) return std::nullopt;
  EditorSetup setup;
  setup.windowName = "OrbsEdit";
  setup.caption = EditorCaption(orbFile.string());
  setup.text = std::move(*text);
  setup.save = [&host, orbFile](std::string_view edited) {
    return SaveOrbText(host, orbFile, edited);
  };
  return setup;
}

std::optional<EditorSetup> PersonalHeaderEditorSetup(Workbench& workbench, Host& host) {
  auto text = OpenHeaderEditorText(host, workbench.AppPath);
  if (!text) return std::nullopt;
  EditorSetup setup;
  setup.windowName = "P_Name";
  setup.caption = EditorCaption(kPersonalHeaderFileName);
  setup.text = std::move(*text);
  const auto file = ResolveInFolder(workbench.AppPath, kPersonalHeaderFileName);
  setup.save = [&host, file](std::string_view edited) {
    return SaveEditorText(host, file, edited);
  };
  return setup;
}

namespace {

// The current names or cities file; while none is set, the default one in
// the program folder, as the names and cities windows read.
std::filesystem::path CurrentListFile(const std::filesystem::path& appPath,
                                      const std::string& current, std::string_view defaultName) {
  return current.empty() ? ResolveInFolder(appPath, defaultName) : std::filesystem::path(current);
}

// The names and cities editors: the file's own path in the caption, Save
// then the caller's refresh, Quit then the caller's reload.
std::optional<EditorSetup> ListFileEditorSetup(Host& host, const std::string& windowName,
                                               const std::filesystem::path& file,
                                               std::function<void()> afterSave,
                                               std::function<void()> afterQuit) {
  BusyCursor busy(host);
  auto text = OpenEditorText(host, file);
  if (!text) return std::nullopt;
  EditorSetup setup;
  setup.windowName = windowName;
  setup.caption = EditorCaption(file.string());
  setup.text = std::move(*text);
  setup.save = [&host, file, afterSave](std::string_view edited) {
    if (!SaveEditorText(host, file, edited)) return false;
    if (afterSave) afterSave();
    return true;
  };
  setup.afterQuit = std::move(afterQuit);
  return setup;
}

}  // namespace

std::optional<EditorSetup> NamesFileEditorSetup(Workbench& workbench, Host& host,
                                                std::function<void()> afterSave,
                                                std::function<void()> afterQuit) {
  auto setup = ListFileEditorSetup(
      host, "NameEdit",
      CurrentListFile(workbench.AppPath, workbench.Settings.DataFile, "NAMES.FIL"),
      std::move(afterSave), std::move(afterQuit));
  if (setup) setup->copyPasteHint = true;
  return setup;
}

std::optional<EditorSetup> CitiesFileEditorSetup(Workbench& workbench, Host& host,
                                                 std::function<void()> afterQuit) {
  return ListFileEditorSetup(
      host, "LongLat",
      CurrentListFile(workbench.AppPath, workbench.Settings.GeoDataFile, "GA_MA.LL"), {},
      std::move(afterQuit));
}

}  // namespace orv
