#pragma once
// Printing what verify found, shared by verify and seal.
#include "core/study/Seal.h"

namespace voradata {

// "FILE:LINE: reason" for every finding (the seal file's own faults name the seal file);
// runs that are merely not sealed only when `withNotSealed`.
void printFindings(const vora::study::Verification &v, bool withNotSealed);

} // namespace voradata
