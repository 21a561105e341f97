// reader.h - the free-form reader of sample files.
#ifndef SPECVUE_ANALYSIS_READER_H
#define SPECVUE_ANALYSIS_READER_H

#include <cstdio>

struct SampleReadResult {
    int n;           // samples read (the reads that did not meet the end of the file)
    bool tooMany;    // a sample followed in the last slot: the file holds too many
    bool failed;     // the stream reported a read error
};

// Reads samples into T[1..] and X[1..] (slots 1..capacity), two numbers a read.  A read starts on
// a new record and continues over line ends until it has two numbers; numbers after the second
// in a record are ignored.  Numbers are separated by blanks, a comma or line ends; two commas
// in a row leave an item unchanged.  A read that meets an item it cannot convert (text, or a
// value that is not a finite number) stops there and still counts: the items it did not convert
// keep what the arrays held before.  Blank records hold nothing.  Reading stops at the end of
// the file, or when a sample follows in the last slot (tooMany; the caller refuses the file).
SampleReadResult readSamples(std::FILE* in, double* T, double* X, int capacity);

#endif
