#pragma once
// Working state of one verb suffix scan, shared by the scan and the checks.
#include <string>

#include "morphan/parsedverb.h"

struct CParsedVerb::Scan {
  std::string rest;     // unconsumed text, beginning with the current suffix
  int lastType = -1;    // type of the latest suffix of type 1 to 9, -1 before any
  std::string prev;     // text of that suffix
  int reflexive = 0;    // 1: type 1 suffix with an object prefix; 2: on a stative verb
  // The slot the current rover went into and what it held before.
  std::string* roverSlot = nullptr;
  std::string roverBefore;
};
