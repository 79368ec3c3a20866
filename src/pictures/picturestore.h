// The picture store: the buttons that move whole pictures between files and the canvas (OPEN,
// SAVE, DELETE, BACKGROUNDS, COLORBOOK), the drawing of a picture file onto the canvas and the
// making of the picture files.
#pragma once

#include <string>

#include "gdi/bmp.h"
#include "gdi/gdi.h"

namespace pd {

// Draws the whole picture file stretched onto the whole canvas (the panel's client area, what the
// child sees). A file that cannot be read shows
// the reader's message, leaves the canvas as it was and returns false.
bool LoadPictureToCanvas(const std::string& path);

// The name of a new picture: "UP", six random letters and digits, ".BMP". For each character a
// draw below 10 decides: 5 or more gives a digit (a draw below 10), else a capital letter (a draw
// below 26).
std::string NewPictureName();

// A picture file of the bitmap as the program writes it: 8 bits with AppPalette as its colour
// table when every pixel is a colour of that table (the usual case), otherwise 24 bits, so the
// picture read back is always the picture written. Empty, with a message, when it cannot be
// encoded.
std::string EncodePicture(const gdi::Bitmap& picture, std::string* error);

// The canvas copied into a new bitmap of its size: the panel's client area, so that a picture
// saved and opened again is the very picture, without the panel's frame.
gdi::HBITMAP CopyCanvas();

// The buttons.
void OpenPicture();
void SavePicture();
void DeletePicture();
void LoadBackground();
// Loads a colouring-book page chosen in the browser; true when one is on the canvas (the caller
// then takes the child to the BUCKET).
bool LoadColorbookPage();

}  // namespace pd
