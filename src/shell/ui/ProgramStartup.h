#pragma once
// Start-up and shut-down of the program, step by step in their order. The
// steps of subsystems built elsewhere come in through `StartupHooks`.

#include <QObject>
#include <QPointer>

#include "shell/Startup.h"

namespace orv {

class Host;
class Orvanta8;
class Title;
struct Workbench;

class ProgramStartup : public QObject {
  Q_OBJECT

 public:
  // `mainWindow` exists from the start but is shown only at the end of
  // start-up; its Exit command and its closing run `ShutDown`.
  ProgramStartup(Workbench& workbench, Host& host, Orvanta8& mainWindow, StartupHooks hooks);
  ~ProgramStartup() override;

  // Start-up up to the title window's Continue: the option values, the
  // caption, the glyph font and the title window, which shows while the data
  // tables load and then offers Continue. The rest follows on Continue.
  void Begin();

  // The title window, while it is open.
  Title* TitleWindow() const;

  // Shut-down: removes the glyph font, writes the settings file (a failure
  // is reported and the program ends all the same) and emits `Ended`, on
  // which main ends the event loop. Runs once; later calls do nothing.
  void ShutDown();

 signals:
  // Start-up has finished: the main window is open.
  void Opened();
  // Shut-down has finished: the program ends.
  void Ended();

 private:
  void ContinueAfterTitle();
  void InstallGlyphFont();
  void RemoveGlyphFont();

  Workbench& workbench_;
  Host& host_;
  Orvanta8& main_;
  StartupHooks hooks_;
  QPointer<Title> title_;
  int glyphFontId_ = -1;
  bool tablesLoaded_ = false;
  bool continueChosen_ = false;
  bool opened_ = false;
  bool ended_ = false;
};

}  // namespace orv
