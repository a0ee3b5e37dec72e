#pragma once
// The names window's seven batch buttons: each run computes its charts with
// the progress window up (Cancel stops it) and shows its page in the data
// window, or prints one sheet per person.

#include <functional>

#include "core/HouseSystem.h"
#include "shell/ui/Names.h"
#include "shell/ui/PrntFile.h"

namespace orv {

class Host;
class InputWindows;
class OutputView;
struct Workbench;

struct NamesBatchLinks {
  // The input windows (for the names list's selection and the second-chart
  // window's angle choice); null before start-up made them.
  std::function<InputWindows*()> Inputs;
  std::function<OutputView&()> DataWindow;
  // The house system of the Houses menu's marked item.
  std::function<HouseSystemCode()> HouseSystem;
  PrinterChooser ChoosePrinter;

  // Throws std::logic_error naming the first link left unbound.
  void RequireBound() const;
};

// The commands of `Batch` to `Batch6`, in button order.
Names::BatchCommands MakeNamesBatchCommands(Workbench& wb, Host& host, NamesBatchLinks links);

}  // namespace orv
