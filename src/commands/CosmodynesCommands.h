#pragma once
// The natal cosmodynes as the program state holds them, and the commands
// that list them: Data > Natal Cosmodynes, Data > Cosmic States and
// Cosmodynes, and the listing a calculation writes when option 33 asks for
// the cosmodynes.

#include "cosmodynes/CosmodynesArrays.h"

namespace orv {

class Host;
class OutputView;
struct Workbench;

// `CalcCosmodynes` for the program state: scores the current chart 1 with
// the angle choice of its calculation and the names window's "Consider
// dignities?" and "Benefics/Malefics?" boxes, keeps the result in
// `wb.Cosmo` and returns it. Every reader of the natal cosmodynes calls this
// immediately before it reads them. Busy cursor while it runs.
const Cosmodynes& CalcCosmodynes(Workbench& wb, Host& host);

// The natal header, a fresh scoring and the natal cosmodynes report, on a
// new page that the caller shows; the compact copy goes to the clipboard.
void ListNatalCosmodynesPage(Workbench& wb, Host& host);

// Data > Natal Cosmodynes (Ctrl+D).
void ShowNatalCosmodynes(Workbench& wb, Host& host, OutputView& view);

// Data > Cosmic States and Cosmodynes (Ctrl+W): the cosmic state table
// above the report.
void ShowCosmicStatesAndCosmodynes(Workbench& wb, Host& host, OutputView& view);

}  // namespace orv
