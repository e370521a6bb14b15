#pragma once
// Tells the shell how each game window is made (the shell never includes a game's
// header) and installs the previews drawn from the games' real opening layouts.

void RegisterGameWindows();
