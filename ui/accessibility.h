// Accessible interfaces for the window's own controls.
#pragma once

// Makes panels expose their captions and hidden labels expose nothing. Call once, after the
// QApplication exists and before the window is created.
void InstallAccessibility();
