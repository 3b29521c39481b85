#include "core/text.h"

#include <cctype>

#include "core/cards.h"

namespace kestrel {

std::string Str(long n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

std::string CardName(int card) {
    if (card < 1 || card > 52) return "";
    static const char* honours[] = {" J", " Q", " K", " A"};
    int rank = CardRank(card);
    std::string text = rank >= Jack ? honours[rank - Jack] : Str(rank + 1);
    return text + StrainLetter(CardSuit(card));
}

std::string SuitName(int strain) {
    static const char* names[] = {"", "Clubs ", "Diamonds ", "Hearts ", "Spades ", "No Trump "};
    return strain >= 1 && strain <= 5 ? names[strain] : "";
}

std::string SuitName(int strain, int flag) {
    std::string name = SuitName(strain);
    if (flag == -1 && !name.empty()) name = name.substr(0, name.size() - 1) + ". ";
    return name;
}

char StrainLetter(int strain) {
    static const char letters[] = " CDHSN";
    return strain >= 1 && strain <= 5 ? letters[strain] : '?';
}

int StrainFromLetter(char c) {
    switch (c) {
        case 'C': case 'c': return Clubs;
        case 'D': case 'd': return Diamonds;
        case 'H': case 'h': return Hearts;
        case 'S': case 's': return Spades;
        case 'N': case 'n': return NoTrump;
        default: return 0;
    }
}

namespace {
const char kRankChars[] = "23456789TJQKA";
}

std::string CardCode(int card) {
    if (card < 1 || card > 52) return "--";
    return std::string{StrainLetter(CardSuit(card)), kRankChars[CardRank(card) - 1]};
}

int ParseCardCode(const std::string& text) {
    std::string t = text;
    if (t.size() == 3 && t.substr(1) == "10") t = t.substr(0, 1) + "T";
    if (t.size() != 2) return 0;
    int suit = StrainFromLetter(t[0]);
    if (suit < 1 || suit > 4) return 0;
    char r = static_cast<char>(std::toupper(static_cast<unsigned char>(t[1])));
    for (int i = 0; i < 13; ++i)
        if (kRankChars[i] == r) return MakeCard(suit, i + 1);
    return 0;
}

std::string CallCode(int call) {
    if (call == Pass) return "P";
    if (call == Double) return "X";
    if (call == Redouble) return "XX";
    if (call < 11 || call > 57) return "?";
    return std::to_string(CallLevel(call)) + StrainLetter(CallStrain(call));
}

int ParseCallCode(const std::string& text) {
    std::string t;
    for (char c : text) t += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (t == "P" || t == "PASS") return Pass;
    if (t == "X" || t == "D" || t == "DBL") return Double;
    if (t == "XX" || t == "R" || t == "RDBL") return Redouble;
    if (t == "NT" || t.size() < 2 || t.size() > 3) return -2;
    if (t.size() == 3 && t.substr(1) != "NT") return -2;
    int level = t[0] - '0';
    int strain = StrainFromLetter(t[1]);
    if (level < 1 || level > 7 || strain == 0) return -2;
    return MakeBid(level, strain);
}

char SeatLetter(int seat) {
    static const char letters[] = "?SWNE";
    return seat >= 1 && seat <= 4 ? letters[seat] : '?';
}

int SeatFromLetter(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'S': return South;
        case 'W': return West;
        case 'N': return North;
        case 'E': return East;
        default: return 0;
    }
}

}  // namespace kestrel
