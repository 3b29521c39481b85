// Taking back cards during the play (the user's "OOP'S").
#pragma once

namespace kestrel {

// During the first trick the hand is abandoned and the same deal is dealt again with the same
// dealer. Later, the cards of the current trick and of the last complete trick go back to
// their owners and the play resumes with the lead to that trick. Ends the user's wait.
void RewindPlay();

}  // namespace kestrel
