#pragma once

// Makes the template's fonts available: Tahoma from the wine fonts folder (which
// fontconfig does not scan), Arial and Arial Narrow through their metric-compatible
// substitutes. Needs the GUI application; safe to call more than once.
void RegistraFuentesReporte();
