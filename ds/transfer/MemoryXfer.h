// The memory transfer's memory of the page it is delivering in strips: taken
// at the first strip (state 6), forgotten when the page ends.
#pragma once

void ForgetMemoryXferPage();
