#include "shell/ui/TextFileEditor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <memory>

#include "base/Links.h"
#include "base/Text.h"
#include "commands/Workbench.h"
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

void EditorSetup::RequireBound() const {
  RequireLinks("EditorSetup", {{"save", static_cast<bool>(save)}});
}

TextFileEditor::TextFileEditor(EditorSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window), setup_(std::move(setup)) {
  setup_.RequireBound();
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
  shown_ = JoinLinesCrLf(SplitLines(text));
  text_->setPlainText(Q(shown_).replace("\r\n", "\n"));
  shownRaw_ = text_->document()->toRawText();
}

std::string TextFileEditor::Text() const {
  // The widget's raw text: its plain-text export turns no-break spaces into
  // spaces. Untouched, it is exactly the text shown, even where the widget
  // took a character of it for a break of its own; typed, those breaks
  // (paragraph and line separators, frame marks) are line breaks.
  QString raw = text_->document()->toRawText();
  if (raw == shownRaw_) return shown_;
  for (QChar& c : raw) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\xFDD0' ||
        c == u'\xFDD1')
      c = u'\n';
  }
  return raw.replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

void TextFileEditor::btnSave_Click() {
  const EditorSaveResult result = setup_.save(Text());
  if (result.outcome == EditorSave::Reloaded) SetText(result.text);
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
  // What the file held when the editor opened: a save never overwrites a
  // change made since by another window or instance.
  auto base = std::make_shared<std::optional<std::string>>(EditorBaseOf(
      ResolveInFolder(workbench.AppPath, kOptionsFileName)));
  setup.save = [&workbench, &host, base, afterSave](std::string_view edited) {
    EditorSaveResult result =
        SaveOptionsEditorText(host, workbench.AppPath, edited, *base, workbench.Options);
    if (result.outcome != EditorSave::Failed && result.outcome != EditorSave::Kept && afterSave)
      afterSave();
    return result;
  };
  setup.restoreDefault = [&workbench, &host, base] {
    auto restored = RestoreDefaultOptionsText(host, workbench.AppPath, workbench.Options);
    if (restored) *base = EditorBaseOf(ResolveInFolder(workbench.AppPath, kOptionsFileName));
    return restored;
  };
  return setup;
}

namespace {

using FileSave = EditorSaveResult (*)(Host&, const std::filesystem::path&, std::string_view,
                                      std::optional<std::string>&);

// An editor of one file: Save writes the text to `file` through `saveFile`
// (by the editor save rule) and then runs `afterSave`; Quit runs `afterQuit`.
EditorSetup FileEditorSetup(Host& host, std::string windowName, std::string caption,
                            const std::filesystem::path& file, std::string text,
                            std::function<void()> afterSave = {},
                            std::function<void()> afterQuit = {},
                            FileSave saveFile = SaveEditedFile) {
  EditorSetup setup;
  setup.windowName = std::move(windowName);
  setup.caption = std::move(caption);
  setup.text = std::move(text);
  // What the file held when the editor opened: a save never overwrites a
  // change made since by another window or instance.
  auto base = std::make_shared<std::optional<std::string>>(EditorBaseOf(file));
  setup.save = [&host, file, base, saveFile,
                afterSave = std::move(afterSave)](std::string_view edited) {
    EditorSaveResult result = saveFile(host, file, edited, *base);
    if (result.outcome != EditorSave::Failed && result.outcome != EditorSave::Kept && afterSave)
      afterSave();
    return result;
  };
  setup.afterQuit = std::move(afterQuit);
  return setup;
}

// The current names or cities file; while none is set, the default one in
// the program folder, as the names and cities windows read.
std::filesystem::path CurrentListFile(const std::filesystem::path& appPath,
                                      const std::string& current, std::string_view defaultName) {
  return current.empty() ? ResolveInFolder(appPath, defaultName) : std::filesystem::path(current);
}

// The names and cities editors show the file's own path in the caption.
std::optional<EditorSetup> ListFileEditorSetup(Host& host, std::string windowName,
                                               const std::filesystem::path& file,
                                               std::function<void()> afterSave,
                                               std::function<void()> afterQuit) {
  BusyCursor busy(host);
  auto text = OpenEditorText(host, file);
  if (!text) return std::nullopt;
  return FileEditorSetup(host, std::move(windowName), EditorCaption(file.string()), file,
                         std::move(*text), std::move(afterSave), std::move(afterQuit));
}

}  // namespace

std::optional<EditorSetup> OrbsEditorSetup(Workbench& workbench, Host& host) {
  // The orbs are not re-read here: the next `ReadOrbFile` picks them up.
  const std::filesystem::path orbFile = workbench.OrbFile.empty()
                                            ? ResolveInFolder(workbench.AppPath, kNatalOrbFileName)
                                            : workbench.OrbFile;
  auto text = OpenEditorText(host, orbFile);
  if (!text) return std::nullopt;
  return FileEditorSetup(host, "OrbsEdit", EditorCaption(orbFile.string()), orbFile,
                         std::move(*text), {}, {}, SaveOrbsEditorText);
}

std::optional<EditorSetup> PersonalHeaderEditorSetup(Workbench& workbench, Host& host) {
  auto text = OpenHeaderEditorText(host, workbench.AppPath);
  if (!text) return std::nullopt;
  return FileEditorSetup(host, "P_Name", EditorCaption(kPersonalHeaderFileName),
                         ResolveInFolder(workbench.AppPath, kPersonalHeaderFileName),
                         std::move(*text));
}

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
