#pragma once

#include <cstddef>
#include <string>

class Scratch;

// What the server tests share: a tree to serve, and ways to ask it.

// The word list (hello, world, Hello, legman, café, a<b>&"c%#?, zz top,
// hello) and an own cypher file (tag vow).
void writeServeTree(Scratch& scratch);
// The files of a tree, one path a line, sorted; and of a fresh serve tree.
std::string treeListing(const Scratch& scratch);
std::string serveTreeListing();
// The path of spell's page of the set, every byte but letters and digits encoded.
std::string setPath(const std::string& spell);
// The path a browser asks for when a page at from follows href: HTML
// entities read, "../" resolved.
std::string resolveSetLink(const std::string& from, const std::string& href);
// A connection of its own to the server on the loopback address, or -1.
int connectTo(int port);
// Sends head, then up to limit bytes more, on a connection of its own, until
// a send fails; the bytes sent.
size_t sendRaw(int port, const std::string& head, size_t limit);
