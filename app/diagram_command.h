#pragma once

namespace xantu {

// Whether the program was started to write a diagram instead of playing:
//   xantu --diagram SFEN FILE.png|FILE.svg [--style book|screen]
//         [--last SQUARE] [--caption TEXT]
bool wantsDiagram(int argc, char** argv);

// Writes the diagram the arguments name, with no window and no display, and
// gives the exit status: 0 when the file is written, 2 (with one line on
// stderr) for an SFEN that does not read, an unknown option, a file name
// without .png or .svg or a file that cannot be written, which is then not
// written at all.
int runDiagramCommand(int argc, char** argv);

}  // namespace xantu
