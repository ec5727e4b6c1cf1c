#pragma once

class QApplication;

// Registers the Tahoma fonts that fonts-wine ships outside fontconfig's folders
// and has Qt's own dialogs speak Spanish ("Sí", "No", "Carpeta"), also where
// Debian's translation lacks a text.
void PreparaEntornoVentana(QApplication& Aplicacion);
