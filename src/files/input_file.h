#pragma once

// The input file: one whole problem as a small comma-separated text file.
//
//   1  "OutputTitle"
//   2  "Units","CodeKey","ProblemType"
//   3  Phi,VPhi,PhiConc,PhiReinf,A1,B1,Emax
//   4  ConcreteStrength,Ec,Frup,SteelStrength,Er,ModularRatio,Ag
//   5  Cover,EffArea,ExpFactor
//   6  TSteelArea,DepthT,CSteelArea,DepthC,VSteelArea,sAv
//   7  MomentUlt,MomentMax,MomentMin,ShearUlt
//   8  SectionType
//   9  the dimensions of that shape only (2, 6 or 4 reals)
//  10  OutSectProp,OutMomCap,OutShearCap,OutServLoad,OutFatStress,OutCrackCon
//
// Lines end in CR LF; texts are quoted, a quote inside a text doubled; reals
// are in general form, integers plain. Values are in the units of line 2 and
// are never converted. No computed result is stored.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/problem.h"
#include "model/units.h"
#include "platform/platform.h"

namespace kestal {

// Files above this size are not input files and are refused unread.
inline constexpr std::size_t kMaxInputFileBytes = 1024 * 1024;

// The exact text of the input file of a problem.
std::string InputFileText(const Problem& p);

// Reads the fields of an input file's text in file order into `p`: the
// texts of lines 1 and 2, the unit factors for the units just read, lines 3
// to 8, the dimensions of the section type just read, SectionDefined = 1 and
// the output selections. Only the order of the fields counts: a comma and a
// line end both end a field. False at the first field that is missing or
// does not read (a number that is not a whole valid number, an integer out of
// range, a units, code or problem-type key the program does not know, a
// section type other than 0, 1 or 2, an output selection other than 0 or 1)
// and when anything but blanks and line ends follows the last field; the
// fields before it are then already written, so callers read into a copy.
// `error` (when given) then says which line and what was wrong.
bool ReadInputFields(std::string_view text, Problem& p, std::string* error = nullptr);

// Writes the problem to p.InputFile. The text goes to a temporary file in the
// same folder which then replaces the target, so a failed save never damages
// the file it would replace. On failure shows "Error writing input file" and
// returns false; the old file is left as it was and no temporary file stays.
bool WriteInputFile(const Problem& p, Platform& platform);

// Loads the input file `file` into `p`. The whole file is read into a fresh
// record first (a copy of `p` with the parameters and dimensions reset and
// the file's name recorded); `p` is replaced only when every field has been
// read. On a read failure (missing, empty, binary or oversized file, a field
// that is missing or does not read) shows "Error reading input file" and
// returns false with `p` and `tips` exactly as they were. After a successful
// read: the tool tips for the loaded units and code, then GrossSectionProps
// and SectionInertias. A calculation fault there is no read error: the
// problem stays loaded, the recomputation stops at the fault, and the result
// is still true.
bool ReadInputFile(Problem& p, ToolTips& tips, const FileChoice& file, Platform& platform);

}  // namespace kestal
