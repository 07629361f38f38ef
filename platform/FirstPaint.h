#pragma once

// Called by the recorder's main view once it has painted. When the environment
// variable PENNIVEL_QUIT_AFTER_FIRST_PAINT is set, the program then ends at once with
// status 0: the start-up benchmark measures process start to first paint with it.
void NoteFirstPaint();
