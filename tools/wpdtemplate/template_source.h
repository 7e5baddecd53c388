// Readable report template sources and the WordPerfect 5.1 documents made from them.
//
// A source is text, one document line per source line (each ends with a hard return):
//   # ...                           a comment line, left out
//   {n}                             placeholder n (1..208), written as its three-letter code
//   {+k}                            placeholder base + k inside a group or a repeated block
//   <b> </b>                        bold on and off
//   @page                           a hard page
//   @include <file> base=<n>        the lines of another source, with its {+k} counted from n
//                                   (base=+<k>: from the current base; also in @for)
//   @for base=<n> step=<s> count=<c>  the lines up to @end, c times, the base advancing by s
//   @end
#pragma once

#include <stdexcept>
#include <string>

// A source that cannot be read or is malformed: the message names the file and line.
class TemplateSourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The document body of a source file (no file prefix). Includes are found beside the file.
std::string CompileTemplateBody(const std::string& sourcePath);

// The whole document: the file prefix followed by the body.
std::string CompileTemplate(const std::string& sourcePath);
