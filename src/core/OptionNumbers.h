#pragma once
// Written by tools/make_option_files.py from content/options.md; do not edit.
// The number of every option that has a meaning, under the name the register
// gives it in code: `options[OptionNumber::TrueNode]` is option 49. Numbers
// the register lists as unused have no name.

namespace orv::OptionNumber {

// 1: Strength weight added to Mercury or Venus when oriental of the Sun (cosmic state table).
// Any number, may be negative or fractional.
inline constexpr int CosmicStateMercVenOriental = 1;
// 2: Weight for Mercury or Venus occidental (evening side). Number.
inline constexpr int CosmicStateMercVenOccidental = 2;
// 3: Weight for Mars, Jupiter or Saturn oriental. Number.
inline constexpr int CosmicStateOuterOriental = 3;
// 4: Weight for Mars, Jupiter or Saturn occidental. Number.
inline constexpr int CosmicStateOuterOccidental = 4;
// 5: Weight for a peregrine planet (none of its five dignities). Number.
inline constexpr int CosmicStateNoDignity = 5;
// 6: Weight for Mercury to Pluto when not retrograde. Number.
inline constexpr int CosmicStateDirect = 6;
// 7: Weight for a retrograde planet (replaces 6, 8, 9). Number.
inline constexpr int CosmicStateRetrograde = 7;
// 8: Weight for speed class FAST (not retrograde). Number.
inline constexpr int CosmicStateFast = 8;
// 9: Weight for speed class SLOW or stat (not retrograde). Number.
inline constexpr int CosmicStateSlow = 9;
// 10: Weight for the Moon occidental (Sun minus Moon, mod 360, above 180: the Moon ahead of the
// Sun, i.e. waxing). Number.
inline constexpr int CosmicStateMoonOccidental = 10;
// 11: Weight for the Moon oriental (waning). Number.
inline constexpr int CosmicStateMoonOriental = 11;
// 16: Net harmony TH1 at or beyond +value or -value that puts a names-file batch pair into the
// summary list. Harmony points, positive.
inline constexpr int BatchSummaryThreshold = 16;
// 18: Time zone of the default place, hours, West of Greenwich positive, East negative,
// fractions allowed; must pass -13..12 and not be below -2 with West, but across the date line
// (zone + 24 within 1.5 hours of longitude / 15, as Apia's -13). Written into both input windows
// as text.
inline constexpr int DefaultTimeZone = 18;
// 19: Longitude degrees of the default place, 0-180, no sign.
inline constexpr int DefaultLongitudeDegrees = 19;
// 20: Longitude minutes, whole number 0-59.
inline constexpr int DefaultLongitudeMinutes = 20;
// 21: 0 = West, any other value = East (sets the E/W option button).
inline constexpr int DefaultLongitudeEast = 21;
// 22: Latitude degrees of the default place, 0-66. Also offered in the composite latitude
// prompt.
inline constexpr int DefaultLatitudeDegrees = 22;
// 23: Latitude minutes, whole number 0-59; the composite prompt offers option 22 + option
// 23/100.
inline constexpr int DefaultLatitudeMinutes = 23;
// 24: 0 = North. Input windows: any non-zero = South. Composite prompt: only exactly -1 makes
// the offered latitude south. Use 0 or -1.
inline constexpr int DefaultLatitudeSouth = 24;
// 27: House system checked at start-up: 1 Placidus, 2 Regiomontanus, 3 Koch, 4 Campanus, 5
// Porphyry, 6 Equal-Asc, 7 Equal-MC, 8 Meridian, 9 Morinus; exact comparison, any other value =
// Placidus.
inline constexpr int HouseSystemAtStart = 27;
// 28: Planet label order on American (and two-chart) wheels: 1 moves the left/right order
// boundary by one house (houses 1-2, 9-12 left); any other value the normal boundary. Flag.
inline constexpr int WheelGlyphLayout = 28;
// 30: Printed lines per page of the text print window; a new printer page after that many lines.
// Line count.
inline constexpr int PrintLinesPerPage = 30;
// 33: First listing after each chart calculation (not in batches): 0 natal data + natal aspect
// grid + Church of Light aspects; 1 transit interpretations of the day; 2 natal cosmodynes
// (transits) or comparative cosmodynes (second person); any other value as 2 but the comparative
// run also lists its aspect lines.
inline constexpr int AutoReportAfterCalc = 33;
// 35: Non-zero: transit interpretations add the RETRO.TXT paragraph for each retrograde
// transiting point. Flag.
inline constexpr int RetrogradeTransitTexts = 35;
// 40: 0: every composite calculation asks for the relationship latitude (Data > Composite asks
// twice); non-zero: midpoint composite houses ('99') without asking. Flag.
inline constexpr int CompositeMidpointHouses = 40;
// 42: Non-zero: show the tip-of-the-day window at start-up. Flag.
inline constexpr int TipOfTheDayAtStart = 42;
// 44: Two-ring dual wheel: 0 aspect lines between the two charts only; non-zero all pairs of
// both charts. Flipped in memory by a left click on the two-ring wheel (written, not saved).
// Flag.
inline constexpr int DualAspectsAllPoints = 44;
// 45: Data window Save: a form-feed line after every n lines of the saved *.DOC; 0 = no page
// breaks inside the text (a final form feed is written anyway). Line count.
inline constexpr int SavedTextPageLines = 45;
// 47: Single wheels draw aspect lines only when exactly 1.
inline constexpr int SingleWheelAspectLines = 47;
// 49: Lunar nodes (points 11, 12) of both charts: 0 mean node, any other value true node. Flag.
inline constexpr int TrueNode = 49;
// 51: Orb in degrees for ordinary pairs: composite aspect grid (conjunction, sextile, square,
// trine, opposition) and composite report aspects.
inline constexpr int CompositeOrb = 51;
// 52: Orb, degrees, for pairs with a node (the report tests only the conjunction for them);
// Sun/Moon orb wins over it.
inline constexpr int CompositeOrbNodes = 52;
// 53: Orb, degrees, for pairs with the Sun or the Moon; wins over option 52.
inline constexpr int CompositeOrbLights = 53;
// 54: Orb, degrees, of the quincunx band in the composite aspect grid (all pairs).
inline constexpr int CompositeQuincunxOrb = 54;
// 55: Orb, degrees, of conjunction, sextile, square, trine and opposition for ordinary pairs in
// the interchart (synastry) aspect grid.
inline constexpr int InterchartOrb = 55;
// 56: Same five aspects when either point is a node; overridden by option 57.
inline constexpr int InterchartOrbNodes = 56;
// 57: Same five aspects when either point is the Sun or the Moon (wins over 56).
inline constexpr int InterchartOrbLights = 57;
// 58: Orb of the quincunx (150) in the interchart grid.
inline constexpr int InterchartQuincunxOrb = 58;
// 59: Orb of the quindecile, sesquisquare, semi-square and semi-sextile in the interchart grid.
inline constexpr int InterchartMinorOrb = 59;
// 60: Window wheel cell offset in wheel units, added to the measured width of glyph 236
// (GlyphStepX). Integer-like, may be negative.
inline constexpr int WheelScreenOffset1 = 60;
// 61: Window wheel cell offset in wheel units, added to the measured width of a label character
// (DigitStepX). Integer-like, may be negative.
inline constexpr int WheelScreenOffset2 = 61;
// 62: Window wheel cell offset in wheel units, added to the absolute height of glyph 236
// (GlyphStepY). Integer-like, may be negative.
inline constexpr int WheelScreenOffset3 = 62;
// 63: Window wheel cell offset in wheel units, added to the absolute height of a label character
// (DigitStepY). Integer-like, may be negative.
inline constexpr int WheelScreenOffset4 = 63;
// 64: Printer twin of option 60, wheel units.
inline constexpr int WheelPrinterOffset1 = 64;
// 65: Printer twin of option 61, wheel units.
inline constexpr int WheelPrinterOffset2 = 65;
// 66: Printer twin of option 62, wheel units.
inline constexpr int WheelPrinterOffset3 = 66;
// 67: Printer twin of option 63, wheel units.
inline constexpr int WheelPrinterOffset4 = 67;
// 68: Window wheel: font size (points) of the header lines (glyph font).
inline constexpr int WheelTitleFontSize = 68;
// 69: Window: font size of the cusp-label degree digits; also the size selected for the house
// numbers of the combined arrangement.
inline constexpr int WheelFontSize = 69;
// 70: Window: sign glyph of the cusp labels, intercepted-sign glyphs and the dual ring's sign
// glyphs.
inline constexpr int WheelSignFontSize = 70;
// 71: Window: font size of the cusp-label MINUTE digits (despite the name).
inline constexpr int WheelCuspDegreeFontSize = 71;
// 72: Window: planet glyph size; the glyph cell is measured in it; two-ring glyphs too.
inline constexpr int WheelPlanetFontSize = 72;
// 73: Window: planet degree digits; two-ring degree text (reduced by crowding, not below 8).
inline constexpr int WheelPlanetDegreeFontSize = 73;
// 74: Window: sign glyph inside a planet label.
inline constexpr int WheelPlanetSignFontSize = 74;
// 75: Window: planet minute digits; compared with option 193.
inline constexpr int WheelPlanetMinuteFontSize = 75;
// 76: Window: retrograde mark (glyph 156).
inline constexpr int WheelRetroFontSize = 76;
// 77: Window: aspect glyph drawn at the middle of each aspect line.
inline constexpr int WheelAspectGlyphFontSize = 77;
// 78: Printer twin of option 68: font size (points) of the printed header lines.
inline constexpr int WheelPrinterTitleFontSize = 78;
// 79: Printer twin of option 69: font size (points) of the printed cusp degrees, house numbers.
inline constexpr int WheelPrinterFontSize = 79;
// 80: Printer twin of option 70: font size (points) of the printed sign glyphs.
inline constexpr int WheelPrinterSignFontSize = 80;
// 81: Printer twin of option 71: font size (points) of the printed cusp minutes.
inline constexpr int WheelPrinterCuspDegreeFontSize = 81;
// 82: Printer twin of option 72: font size (points) of the printed planet glyphs.
inline constexpr int WheelPrinterPlanetFontSize = 82;
// 83: Printer twin of option 73: font size (points) of the printed planet degrees.
inline constexpr int WheelPrinterPlanetDegreeFontSize = 83;
// 84: Printer twin of option 74: font size (points) of the printed planet sign glyph.
inline constexpr int WheelPrinterPlanetSignFontSize = 84;
// 85: Printer twin of option 75: font size (points) of the printed planet minutes.
inline constexpr int WheelPrinterPlanetMinuteFontSize = 85;
// 86: Printer twin of option 76: font size (points) of the printed retrograde mark.
inline constexpr int WheelPrinterRetroFontSize = 86;
// 87: Printer twin of option 77: font size (points) of the printed aspect glyphs.
inline constexpr int WheelPrinterAspectGlyphFontSize = 87;
// 88: Window: colour of the header lines. QBColor 0-15.
inline constexpr int WheelTitleColor = 88;
// 89: Window: cusp-label degree digits. QBColor 0-15.
inline constexpr int WheelCuspDegreeColor = 89;
// 90: Window: cusp-label sign glyph and intercepted-sign glyphs. QBColor 0-15.
inline constexpr int WheelCuspSignColor = 90;
// 91: Window: cusp-label minute digits. QBColor 0-15.
inline constexpr int WheelCuspMinuteColor = 91;
// 92: Window: planet glyphs (two-ring wheel: set, then replaced by fixed 9/12). QBColor 0-15.
inline constexpr int WheelPlanetColor = 92;
// 93: Window: planet degree digits; colour left set after a two-ring label. QBColor 0-15.
inline constexpr int WheelPlanetDegreeColor = 93;
// 94: Window: sign glyph in a planet label. QBColor 0-15.
inline constexpr int WheelPlanetSignColor = 94;
// 95: Window: planet minute digits. QBColor 0-15.
inline constexpr int WheelPlanetMinuteColor = 95;
// 96: Window: retrograde mark. QBColor 0-15.
inline constexpr int WheelRetroColor = 96;
// 97: Window: sextile and trine lines (black in the half-page print); same-chart pairs of the
// two-ring wheel use value + 8, so keep it 0-7. QBColor 0-15.
inline constexpr int WheelSextileTrineColor = 97;
// 98: Window: square and opposition lines; same-chart pairs value + 1 (keep 0-14). QBColor 0-15.
inline constexpr int WheelSquareOppositionColor = 98;
// 99: Window: quincunx lines; same-chart pairs value + 10 (keep 0-5). QBColor 0-15.
inline constexpr int WheelQuincunxColor = 99;
// 100: Window background (also the combined frame's centre disc); white is forced in the
// half-page print. QBColor 0-15.
inline constexpr int WheelBackColor = 100;
// 101: Window: wheel circles (dual ring circle too). QBColor 0-15.
inline constexpr int WheelCircleColor = 101;
// 102: Window: house spokes (dual ring spokes too); black in the half-page print. QBColor 0-15.
inline constexpr int WheelSpokeColor = 102;
// 103: Printer twin of option 88: header lines. QBColor 0-15.
inline constexpr int WheelPrinterTitleColor = 103;
// 104: Printer twin of option 89: cusp degrees. QBColor 0-15.
inline constexpr int WheelPrinterCuspDegreeColor = 104;
// 105: Printer twin of option 90: cusp and intercepted signs. QBColor 0-15.
inline constexpr int WheelPrinterCuspSignColor = 105;
// 106: Printer twin of option 91: cusp minutes. QBColor 0-15.
inline constexpr int WheelPrinterCuspMinuteColor = 106;
// 107: Printer twin of option 92: planet glyphs. QBColor 0-15.
inline constexpr int WheelPrinterPlanetColor = 107;
// 108: Printer twin of option 93: planet degrees. QBColor 0-15.
inline constexpr int WheelPrinterPlanetDegreeColor = 108;
// 109: Printer twin of option 94: planet sign glyph. QBColor 0-15.
inline constexpr int WheelPrinterPlanetSignColor = 109;
// 110: Printer twin of option 95: planet minutes. QBColor 0-15.
inline constexpr int WheelPrinterPlanetMinuteColor = 110;
// 111: Printer twin of option 96: retrograde mark. QBColor 0-15.
inline constexpr int WheelPrinterRetroColor = 111;
// 112: Printer twin of option 97 (all pairs, no same-chart variant). QBColor 0-15.
inline constexpr int WheelPrinterSextileTrineColor = 112;
// 113: Printer twin of option 98 (all pairs, no same-chart variant). QBColor 0-15.
inline constexpr int WheelPrinterSquareOppositionColor = 113;
// 114: Printer twin of option 99 (all pairs, no same-chart variant). QBColor 0-15.
inline constexpr int WheelPrinterQuincunxColor = 114;
// 115: Printer: wheel circles. QBColor 0-15.
inline constexpr int WheelPrinterCircleColor = 115;
// 116: Printer: house spokes. QBColor 0-15.
inline constexpr int WheelPrinterSpokeColor = 116;
// 117: Print window: a spooled line longer than this many characters asks for 10-point print.
// Characters.
inline constexpr int PrintTenPointLineLength = 117;
// 118: Line length above which 8-point print is chosen (checked after 117). Characters.
inline constexpr int PrintEightPointLineLength = 118;
// 129: Reports: lines of a page not used by the body (B = 131 - 129); also sizes title-page
// padding. Line count.
inline constexpr int PageFootLines = 129;
// 131: Reports: page length in lines for print, save and title page. Line count.
inline constexpr int PageLength = 131;
// 132: Reports: empty lines at the top of every page after the first (counted in the body). Line
// count.
inline constexpr int PageTopLines = 132;
// 140: Natal report aspect keys for conjunction/sextile/trine: 0 'blending with' / 'harmonizing
// with'; non-zero 'conjunct' / 'sextile' / 'trine'. Flag.
inline constexpr int HarmoniousWording = 140;
// 141: Natal report keys for square/opposition: 0 'discordant to'; non-zero 'square' /
// 'opposite'. Flag.
inline constexpr int DiscordantWording = 141;
// 145: Natal report aspects: 0 Sun-Pluto with later planets and the Ascendant; non-zero also
// nodes, Part of Fortune, Ascendant as first point and MC as second. Flag.
inline constexpr int ReportExtraPoints = 145;
// 151: Synastry diagram: font size of the two names (also left in force when chart 2's scale is
// measured).
inline constexpr int AstroLineNameFontSize = 151;
// 152: Named in a group; nothing reads it.
inline constexpr int AstroLineReservedFontSize = 152;
// 153: Synastry diagram: base font size, size of direct planet glyphs.
inline constexpr int AstroLineGlyphFontSize = 153;
// 154: Synastry diagram: size of retrograde planet glyphs.
inline constexpr int AstroLineRetroFontSize = 154;
// 155: Synastry diagram: the two names. QBColor 0-15.
inline constexpr int AstroLineNameColor = 155;
// 156: Named in a group; nothing reads it. QBColor 0-15.
inline constexpr int AstroLineReservedColor = 156;
// 157: Synastry diagram: direct planet glyphs. QBColor 0-15.
inline constexpr int AstroLineGlyphColor = 157;
// 158: Synastry diagram: retrograde planet glyphs. QBColor 0-15.
inline constexpr int AstroLineRetroColor = 158;
// 159: Synastry diagram background. QBColor 0-15.
inline constexpr int AstroLineBackColor = 159;
// 160: Synastry diagram: axis line and sign-boundary ticks. QBColor 0-15.
inline constexpr int AstroLineAxisColor = 160;
// 161: Synastry diagram: 10-degree ticks. QBColor 0-15.
inline constexpr int AstroLineTenDegreeColor = 161;
// 162: Synastry diagram: 5-degree ticks. QBColor 0-15.
inline constexpr int AstroLineFiveDegreeColor = 162;
// 164: Synastry diagram: sign glyph size.
inline constexpr int AstroLineFontSize6 = 164;
// 165: Synastry diagram: sign glyphs. QBColor 0-15.
inline constexpr int AstroLineColor4 = 165;
// 167: Solstice-point column of the position listings: 0 mirror across Cancer-Capricorn
// (antiscia); non-zero across Aries-Libra (contra-antiscia). Flag.
inline constexpr int AntiscionVariant = 167;
// 174: Printed wheel: non-zero prints PERSONAL.NAM lines top right (silently skipped when the
// file is missing). Flag.
inline constexpr int WheelPrintTitleBlock = 174;
// 175: Printed wheel: personal header font size, points.
inline constexpr int PersonalHeaderFontSize = 175;
// 176: Printed wheel: personal header colour. QBColor 0-15.
inline constexpr int PersonalHeaderColor = 176;
// 177: Printed wheel: distance in wheel units of the personal header's line ends from the right
// edge.
inline constexpr int PersonalHeaderRightInset = 177;
// 178: Full-page wheel print: non-zero adds the printed aspect grid. Flag.
inline constexpr int AspectGridOnPrint = 178;
// 179: Printed grid: x0 = half page width - value; +1 moves the grid one wheel unit left.
inline constexpr int PrintGridRightInset = 179;
// 180: Printed grid font size (points), single-wheel (triangular) grid.
inline constexpr int PrintGridSingleFontSize = 180;
// 181: Printed grid glyph colour: conjunction. QBColor 0-15.
inline constexpr int PrintGridConjunctionColor = 181;
// 182: Printed grid glyph colour: sextile and trine. QBColor 0-15.
inline constexpr int PrintGridSextileTrineColor = 182;
// 183: Printed grid glyph colour: square and opposition. QBColor 0-15.
inline constexpr int PrintGridSquareOppositionColor = 183;
// 184: Printed grid glyph colour: quincunx. QBColor 0-15.
inline constexpr int PrintGridQuincunxColor = 184;
// 185: Printed grid glyph colour: semi-square, sesquisquare. QBColor 0-15.
inline constexpr int PrintGridSemiSquareColor = 185;
// 186: Printed grid glyph colour: quintile, bi-quintile. QBColor 0-15.
inline constexpr int PrintGridQuintileColor = 186;
// 187: Printed grid glyph colour: other minor aspects. QBColor 0-15.
inline constexpr int PrintGridMinorColor = 187;
// 188: Printed grid vertical place, single wheel: y0 = half page height + 1.25 x text height x
// value (+1 moves it up).
inline constexpr int PrintGridSingleRowsUp = 188;
// 189: Same for the square two-chart grid.
inline constexpr int PrintGridTwoChartRowsUp = 189;
// 190: Printed grid font size (points), two-chart (square) grid.
inline constexpr int PrintGridTwoChartFontSize = 190;
// 191: Printed wheel: the outer header block starts this many line heights above the page's
// scale middle H/2. Line count.
inline constexpr int WheelPrintTitleScale = 191;
// 193: Window: when option 75 >= this size (points), the vertical digit step is lowered by
// option 194.
inline constexpr int LabelShrinkFromSize = 193;
// 194: Window: amount (wheel units) taken off the digit step.
inline constexpr int LabelShrinkAmount = 194;
// 195: Printer: threshold compared with option 85 (right-hand labels only).
inline constexpr int LabelPrinterShrinkFromSize = 195;
// 196: Printer: amount taken off the digit step.
inline constexpr int LabelPrinterShrinkAmount = 196;
// 211: Non-zero: the whole output buffer is emptied at the end of every chart calculation,
// batches included (the page on screen stays). Flag.
inline constexpr int ClearBufferOnCalc = 211;
// 216: Non-zero, chart 2 = transits: the wheel window exchanges the two charts' display values
// once per load (transits on the rim ring of the combined arrangement), recomputes house
// records, legend 'Outer = transits'. Flag.
inline constexpr int DualWheelOuterTransits = 216;
// 218: Chart 1 Part of Fortune: 0 Asc + Moon - Sun; 1 Asc + Sun - Moon; any other value by sect
// (night chart when the Sun is in houses 1-6). Chart 2 always uses the first.
inline constexpr int PartOfFortuneFormula = 218;
// 222: One vs All batch: non-zero skips pairs where Int(older age x 0.6667) > younger age. Flag.
inline constexpr int BatchAgeFilter = 222;
// 230: Combined two-chart arrangement: non-zero draws aspect lines. Toggled in memory by the
// wheel menu's 'Toggle Option #230' (Ctrl+L), not saved. Flag.
inline constexpr int TransitsVsNatalAspectLines = 230;
// 231: Combined arrangement: non-zero ends the first chart's aspect lines at radius 217 instead
// of on the house numbers' circle (62) inside the labels. Flag.
inline constexpr int AspectLineRadiusSwitch = 231;
// 238: Comparative cosmodynes, oppositions: 0 power only; 1 all discord; any other value by
// planet (Mars/Saturn/Pluto discord, listed pairs harmony); also governs the Venus benefic term.
// Mode 0/1/2.
inline constexpr int ComparativeCosmoMode = 238;
// 241: Names-file batches (One vs All): width in characters of the label column before the
// results, and the pad of the summary label prefix. Characters.
inline constexpr int ComparativeCosmoWidth = 241;
// 243: Printed wheel: the inner header block starts this many wheel units below the top edge.
inline constexpr int WheelPrintTitleOffsets = 243;
// 244: Printed wheel: personal header's first line this many wheel units below the top edge.
inline constexpr int PersonalHeaderTopOffset = 244;

}  // namespace orv::OptionNumber
