// Text forms of numbers, cards, suits and calls.
#pragma once

#include <string>

namespace kestrel {

// Number to text with one leading blank for non-negative numbers (" 16", "-3").
std::string Str(long n);

// Trick-history form of a card: " AS", " 10H".
std::string CardName(int card);

// "Clubs ", "Diamonds ", "Hearts ", "Spades ", "No Trump " (with the trailing blank).
std::string SuitName(int strain);
// With flag -1 the trailing blank is cut and ". " added ("Hearts. "); any other flag is as above.
std::string SuitName(int strain, int flag);

// Suit letters "C", "D", "H", "S", "N".
char StrainLetter(int strain);
// 0 when the letter names no strain.
int StrainFromLetter(char c);

// Short card form "SA", "HT", "D2".
std::string CardCode(int card);
// 0 when the text is no card.
int ParseCardCode(const std::string& text);

// Call form "1C".."7N", "P", "X", "XX".
std::string CallCode(int call);
// -2 when the text is no call.
int ParseCallCode(const std::string& text);

// "S", "W", "N", "E".
char SeatLetter(int seat);
int SeatFromLetter(char c);

}  // namespace kestrel
