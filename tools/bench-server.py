#!/usr/bin/env python3
"""Loopback HTTP server for the download benchmark.

Serves, on 127.0.0.1 and a free port:
  /watch?v=N      a small video page titled "BenchN" whose download request
                  is video_id=benchN&t=tok
  /get_video?...  the video file given with --video, sent with sendfile()
The chosen port is written to --port-file. The server ends by itself after
--lifetime seconds.
"""
import argparse
import http.server
import os
import threading
import urllib.parse


def make_handler(video_path):
    video_size = os.path.getsize(video_path)

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *args):
            pass

        def do_GET(self):
            url = urllib.parse.urlsplit(self.path)
            if url.path == "/watch":
                n = urllib.parse.parse_qs(url.query).get("v", ["0"])[0]
                body = ("<html><head><title>Bench%s</title></head><body>\n"
                        "<script>var swfArgs = \"&video_id=bench%s&l=63&t=tok&hl=en&\";</script>\n"
                        "</body></html>\n" % (n, n)).encode()
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(body)
            elif url.path == "/get_video":
                self.send_response(200)
                self.send_header("Content-Type", "video/x-flv")
                self.send_header("Content-Length", str(video_size))
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.flush()
                with open(video_path, "rb") as video:
                    try:
                        self.connection.sendfile(video)
                    except OSError:
                        pass  # the client went away
            else:
                self.send_error(404)
            self.close_connection = True

    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--video", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--lifetime", type=float, default=900)
    args = parser.parse_args()

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), make_handler(args.video))
    server.daemon_threads = True
    timer = threading.Timer(args.lifetime, lambda: os._exit(0))
    timer.daemon = True
    timer.start()
    with open(args.port_file + ".tmp", "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(args.port_file + ".tmp", args.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
