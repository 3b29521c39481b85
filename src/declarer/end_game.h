// The End Game plan: the declaring side's leads once the other plans have run out of leads.
#pragma once

namespace kestrel {

// Plays the declaring side's lead under the End Game plan; always plays a card.
void PlayEndGame();
// Takes the end-game state afresh: entries to our hand and both sides' trumps.
void TakeTrumpState();
// The lead in a suit contract with at most one trump out: a card, or minus the suit to lead low
// in, or 0. Needs TakeTrumpState and CountWinners first.
int FewTrumpsOut();
// Cashes out when the tricks are there: with more than one way to partner a suit both hands can
// cash is unblocked; else our winners, partner's, ours again, and any suit of ours that wins.
// 0 when none gives a card. Needs CountWinners (or the sure winners) first.
int CashOutOurWinners();
// The winners of both hands: MyWinners, PartnerWinners and the cash flags.
void CountWinners();
// Our winning suit to cash (mode -1 also trumps), or 0.
int CashWinners(int mode);
// A low lead to partner's winner (mode -1 also notes trumps out), or 0.
int LeadToPartnerWinner(int mode);

}  // namespace kestrel
