#pragma once

namespace report {

// Keeps the process's freed heap memory for reuse instead of handing it
// back to the system after each page (see MemoriaPdf.cpp). Done once per
// process; the PDF and printer outputs call it before they draw.
void PrepararMemoriaPdf();

} // namespace report
