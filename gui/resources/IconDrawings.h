#pragma once
#include "gui/resources/IconEngine.h"

namespace razo {

// The pictures of the standard commands, each in a 16 by 16 square scaled to the size asked for.
void DrawNewPage(QPainter& p, const Inks& inks);
void DrawCheckedPage(QPainter& p, const Inks& inks);
void DrawFolder(QPainter& p, const Inks& inks);
void DrawDisk(QPainter& p, const Inks& inks);
void DrawPrinter(QPainter& p, const Inks& inks);
void DrawClipboard(QPainter& p, const Inks& inks);
void DrawCopies(QPainter& p, const Inks& inks);
void DrawBackArrow(QPainter& p, const Inks& inks);
void DrawForwardArrow(QPainter& p, const Inks& inks);
void DrawRepeat(QPainter& p, const Inks& inks);
void DrawAbout(QPainter& p, const Inks& inks);
void DrawContextHelp(QPainter& p, const Inks& inks);
void DrawProgram(QPainter& p, const Inks& inks);

} // namespace razo
