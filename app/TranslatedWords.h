#pragma once

#include "DirectoryReport.h"
#include "ProgressEstimate.h"
#include "TreeComparison.h"

// The words of the survey's texts that the window shows (the information
// text, a comparison, the scan's estimate) in the window's language.
DirReportWords TranslatedReportWords();
ComparisonWords TranslatedComparisonWords();
ProgressWords TranslatedProgressWords();
