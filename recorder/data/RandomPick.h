#pragma once

class MsRandom;

// A Tip number in 1..count from one draw of the generator, spread evenly over the
// draw's range (the last number only on the top draw's share).
int PickRandomTip(MsRandom& random, int count);
