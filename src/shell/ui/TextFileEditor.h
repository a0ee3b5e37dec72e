#pragma once
// One plain-text file editor window, in five roles: the option values
// (`Options`), an orb file (`OrbsEdit`), the personal header (`P_Name`), the
// names file (`NameEdit`) and the cities file (`LongLat`).

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shell/EditorFiles.h"

class QPlainTextEdit;
class QPushButton;

namespace orv {

class Host;
struct Workbench;

// What one editor is: its window name and caption, its text, and what its
// buttons do. Save is always there, so `save` is required; an empty
// `restoreDefault` is a button the editor does not have, an empty
// `afterQuit` nothing to refresh.
struct EditorSetup {
  std::string windowName;  // "Options", "OrbsEdit", ...
  std::string caption;     // "Edit: Options.opt", ...
  std::string text;        // the file's text, every line followed by CR LF
  // Save: writes the text (or, with Reloaded, gives the file's text as it is
  // now, which the editor then shows). The window stays open.
  std::function<EditorSaveResult(std::string_view text)> save;
  // Restore Default: the restored text, or nothing when it failed.
  std::function<std::optional<std::string>()> restoreDefault;
  // Runs when Quit closes the window (unsaved edits are dropped).
  std::function<void()> afterQuit;
  bool copyPasteHint = false;  // the "Ctrl-C to copy..." line

  // Throws std::logic_error when `save` is not bound; the editor checks as
  // it is made.
  void RequireBound() const;
};

class TextFileEditor : public QWidget {
  Q_OBJECT

 public:
  explicit TextFileEditor(EditorSetup setup, QWidget* parent = nullptr);

  QPlainTextEdit* txtContent() const { return text_; }
  // The editor's text as it stands, line breaks as CR LF.
  std::string Text() const;

  void btnSave_Click();
  void cmdRestoreDefault_Click();
  void btnQuit_Click();

 private:
  void SetText(const std::string& text);

  EditorSetup setup_;
  QPlainTextEdit* text_ = nullptr;
  std::string shown_;  // the text last shown, lines ending in CR LF
  QString shownRaw_;   // the widget's raw text for it
};

// The setups of the five editors. Each reads its file now and gives nothing
// when the window should not open (the user was told why). The setup keeps
// `workbench` and `host` by reference: both must outlive the window.
// `afterSave` and `afterQuit` let the caller refresh what depends on the
// file; they may be empty.

// "Edit: Options.opt": Save writes Options.opt and re-reads the option
// values; Restore Default copies Options.mst over it and re-reads them too.
std::optional<EditorSetup> OptionsEditorSetup(Workbench& workbench, Host& host,
                                              std::function<void()> afterSave = {});
// "Edit: " and the current orb file `OrbFile`; Save refuses a damaged text
// as SaveOrbsEditorText does; the next `ReadOrbFile` picks the saved orbs up.
std::optional<EditorSetup> OrbsEditorSetup(Workbench& workbench, Host& host);
// "Edit: PERSONAL.NAM"; a missing file opens empty and Save creates it.
std::optional<EditorSetup> PersonalHeaderEditorSetup(Workbench& workbench, Host& host);
// "Edit: " and the current names file `DataFile`.
std::optional<EditorSetup> NamesFileEditorSetup(Workbench& workbench, Host& host,
                                                std::function<void()> afterSave,
                                                std::function<void()> afterQuit);
// "Edit: " and the current cities file `GeoDataFile`.
std::optional<EditorSetup> CitiesFileEditorSetup(Workbench& workbench, Host& host,
                                                 std::function<void()> afterQuit);

}  // namespace orv
