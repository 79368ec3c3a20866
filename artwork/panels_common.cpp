#include "panels_common.h"

namespace art {

void Button(Painter& p, Box b, bool lit) {
  if (lit)
    p.Style(kLitRim, kLitFill, 2).Round(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 8);
  else
    p.Style(kDimRim, kDimFill, 1).Round(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 8);
}

void ChoicePanel(const std::filesystem::path& file, int width, const std::vector<Choice>& choices,
                 const std::vector<int>& lit) {
  Canvas c(width, 50 * static_cast<int>(lit.size()), kBlack);
  for (std::size_t s = 0; s < lit.size(); ++s) {
    Painter p(c, 0, 50.0 * static_cast<double>(s));
    for (std::size_t i = 0; i < choices.size(); ++i) {
      const bool on = static_cast<int>(i) == lit[s];
      Button(p, choices[i].box, on);
      choices[i].icon(p, choices[i].box, on);
    }
  }
  c.Save(file);
}

}  // namespace art
