#pragma once

class QPrinter;
class QString;
class TReportePreparado;

// Paints every page on a printer whose job has not started, each page with its own size.
void ImprimeReporte(const TReportePreparado& Reporte, QPrinter& Impresora);
