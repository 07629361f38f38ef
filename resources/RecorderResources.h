#pragma once

// Makes the recorder's icons and help page available under ":/". Resources compiled
// into a static library are only linked in when something calls this.
void InitRecorderResources();
