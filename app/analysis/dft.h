// dft.h - the analysis routine of the program.
#ifndef SPECVUE_ANALYSIS_DFT_H
#define SPECVUE_ANALYSIS_DFT_H

#include <string>

// Reads the sample file of the file selection, writes the table to standard output and the
// result file, and keeps samples, spectrum and ranges for plotting.  Leaves the working directory
// at the output directory.  A file it cannot use gives a message and no analysis: the records of
// the previous analysis and its result file stay as they were.  The sampling rate is taken from
// the first two sample times; when the times fall (a negative rate: the table's frequencies are
// negative) or stand unevenly, the table is written all the same and a note before it on the
// console (and the message sink) says so.
void DFT();

// Where the messages of the analysis go besides standard output (the program sends them to the
// message console); none by default.
void setAnalysisMessageSink(void (*sink)(const std::string& text));

#endif
