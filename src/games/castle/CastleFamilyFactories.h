#pragma once
// Tells the shell how the windows of Beleaguered Castle, Baker's Dozen, Sea Towers,
// Flower Garden and La Belle Lucie are made at each card size, and installs their
// previews drawn from their real opening layouts.

void RegisterCastleFamilyWindows();
