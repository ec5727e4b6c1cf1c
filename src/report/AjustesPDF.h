#pragma once

#include <QString>

// Document settings of the PDF exporter.
struct TAjustesPDF {
  QString sNombreArchivo;  // proposed in the save dialog, without extension
  QString sTitulo;
  QString sAsunto;
  QString sAutor;
  QString sVariableEmpresa;  // its printed text names the company in the proposed file name
};
