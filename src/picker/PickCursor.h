#pragma once

// Loads the picking cursor from its companion file as cursor number 5 and gives it to
// the chart images and the picking window.
void InstallPickCursor();
