#pragma once

#include "report/AjustesPDF.h"

#include <QString>

// Copies the PDF at sOrigen to sDestino with title, subject and author in its
// document information (the toolkit's writer cannot set subject and author).
bool EscribeMetadatosPDF(const QString& sOrigen, const QString& sDestino,
                         const TAjustesPDF& Ajustes, QString& sError);
