#include "wmf_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "gdi/wmf.h"

namespace art {

namespace {

void Put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}
int Low(gdi::COLORREF c) {
  return static_cast<int>(c & 0xFFFF);
}
int High(gdi::COLORREF c) {
  return static_cast<int>(c >> 16);
}

}  // namespace

WmfWriter::WmfWriter(int width, int height, int units_per_inch)
    : width_(width), height_(height), units_per_inch_(units_per_inch) {
  Record(gdi::META_SETMAPMODE, {gdi::MM_ANISOTROPIC});
  Record(gdi::META_SETWINDOWORG, {0, 0});
  Record(gdi::META_SETWINDOWEXT, {height, width});
}

void WmfWriter::Record(std::uint16_t function, const std::vector<int>& words) {
  const std::uint32_t size = static_cast<std::uint32_t>(3 + words.size());
  words_.push_back(static_cast<std::uint16_t>(size & 0xFFFF));
  words_.push_back(static_cast<std::uint16_t>(size >> 16));
  words_.push_back(function);
  for (int w : words) words_.push_back(static_cast<std::uint16_t>(w & 0xFFFF));
  largest_record_ = std::max<std::size_t>(largest_record_, size);
}

int WmfWriter::Add() {
  const auto free = std::find(used_.begin(), used_.end(), false);
  const int slot = static_cast<int>(free - used_.begin());
  if (free == used_.end())
    used_.push_back(true);
  else
    *free = true;
  return slot;
}

int WmfWriter::MakePen(int style, int width, gdi::COLORREF colour) {
  Record(gdi::META_CREATEPENINDIRECT, {style, width, 0, Low(colour), High(colour)});
  return Add();
}
int WmfWriter::MakeBrush(gdi::COLORREF colour) {
  Record(gdi::META_CREATEBRUSHINDIRECT, {gdi::BS_SOLID, Low(colour), High(colour), 0});
  return Add();
}
int WmfWriter::MakeHatchBrush(int hatch, gdi::COLORREF colour) {
  Record(gdi::META_CREATEBRUSHINDIRECT, {gdi::BS_HATCHED, Low(colour), High(colour), hatch});
  return Add();
}
int WmfWriter::MakeNullBrush() {
  Record(gdi::META_CREATEBRUSHINDIRECT, {gdi::BS_NULL, 0, 0, 0});
  return Add();
}
void WmfWriter::Select(int slot) {
  Record(gdi::META_SELECTOBJECT, {slot});
}
void WmfWriter::Delete(int slot) {
  Record(gdi::META_DELETEOBJECT, {slot});
  if (slot >= 0 && slot < static_cast<int>(used_.size())) used_[static_cast<std::size_t>(slot)] = false;
}

void WmfWriter::SetBkMode(int mode) {
  Record(gdi::META_SETBKMODE, {mode});
}
void WmfWriter::SetBkColour(gdi::COLORREF colour) {
  Record(gdi::META_SETBKCOLOR, {Low(colour), High(colour)});
}
void WmfWriter::SetPolyFillMode(int mode) {
  Record(gdi::META_SETPOLYFILLMODE, {mode});
}

void WmfWriter::Rectangle(int l, int t, int r, int b) {
  Record(gdi::META_RECTANGLE, {b, r, t, l});
}
void WmfWriter::RoundRect(int l, int t, int r, int b, int w, int h) {
  Record(gdi::META_ROUNDRECT, {h, w, b, r, t, l});
}
void WmfWriter::Ellipse(int l, int t, int r, int b) {
  Record(gdi::META_ELLIPSE, {b, r, t, l});
}

void WmfWriter::Polygon(const std::vector<gdi::POINT>& pts) {
  std::vector<int> w{static_cast<int>(pts.size())};
  for (const auto& p : pts) w.insert(w.end(), {p.x, p.y});
  Record(gdi::META_POLYGON, w);
}
void WmfWriter::Polyline(const std::vector<gdi::POINT>& pts) {
  std::vector<int> w{static_cast<int>(pts.size())};
  for (const auto& p : pts) w.insert(w.end(), {p.x, p.y});
  Record(gdi::META_POLYLINE, w);
}

void WmfWriter::Shape(std::uint16_t function, int l, int t, int r, int b, gdi::POINT s, gdi::POINT e) {
  Record(function, {e.y, e.x, s.y, s.x, b, r, t, l});
}
void WmfWriter::Arc(int l, int t, int r, int b, gdi::POINT s, gdi::POINT e) {
  Shape(gdi::META_ARC, l, t, r, b, s, e);
}
void WmfWriter::Pie(int l, int t, int r, int b, gdi::POINT s, gdi::POINT e) {
  Shape(gdi::META_PIE, l, t, r, b, s, e);
}
void WmfWriter::Chord(int l, int t, int r, int b, gdi::POINT s, gdi::POINT e) {
  Shape(gdi::META_CHORD, l, t, r, b, s, e);
}

std::string WmfWriter::Bytes() const {
  std::string out;
  // The placeable header, with the checksum of its first ten words.
  std::string head;
  Put32(head, gdi::kPlaceableKey);
  Put16(head, 0);
  for (int v : {0, 0, width_, height_}) Put16(head, static_cast<unsigned>(v));
  Put16(head, static_cast<unsigned>(units_per_inch_));
  Put32(head, 0);
  unsigned check = 0;
  for (std::size_t i = 0; i < head.size(); i += 2)
    check ^= static_cast<unsigned char>(head[i]) | (static_cast<unsigned char>(head[i + 1]) << 8);
  Put16(head, check);
  out += head;
  const std::size_t total = 9 + words_.size() + 3;
  for (unsigned w : {1u, 9u, 0x300u}) Put16(out, w);
  Put32(out, static_cast<std::uint32_t>(total));
  Put16(out, static_cast<unsigned>(std::max<std::size_t>(used_.size(), 1)));
  Put32(out, static_cast<std::uint32_t>(std::max<std::size_t>(largest_record_, 3)));
  Put16(out, 0);
  for (std::uint16_t w : words_) Put16(out, w);
  Put32(out, 3);
  Put16(out, gdi::META_EOF);
  return out;
}

void WmfWriter::Save(const std::filesystem::path& file) const {
  const std::string data = Bytes();
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace art
