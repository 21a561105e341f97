// reader.h - the free-form reader of sample files.
#ifndef SPECVUE_ANALYSIS_READER_H
#define SPECVUE_ANALYSIS_READER_H

#include <cstdio>

struct SampleReadResult {
    int n;         // samples read (the reads that did not meet the end of the file)
    bool tooMany;  // a sample followed in the last slot: the file holds too many
    bool failed;   // the stream reported a read error
    int badLine;   // line (from 1) of an item that could not be converted; 0 when none
};

// Reads samples into T[1..] and X[1..] (slots 1..capacity), two numbers a read.  A read starts on
// a new record and continues over line ends until it has two numbers; numbers after the second
// in a record are ignored.  Numbers are separated by blanks, a comma or line ends; a comma with
// no number before it leaves an item empty.  Blank records hold nothing.  Reading stops at the
// end of the file; at an item it cannot convert (text, a value that is not a finite number, or
// an empty item), giving its line in badLine; or when a sample follows in the last slot
// (tooMany).  The caller refuses the file in the last two cases: a sample it could not read is
// not a sample.
SampleReadResult readSamples(std::FILE* in, double* T, double* X, int capacity);

#endif
