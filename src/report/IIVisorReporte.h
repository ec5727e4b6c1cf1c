#pragma once

class TReporte;

// How a prepared report is shown: the preview window, or the command line's writer.
class IVisorReporte {
 public:
  virtual ~IVisorReporte() = default;
  // Returns when the report has been shown (the preview closed).
  virtual void Muestra(TReporte& Reporte) = 0;
};
