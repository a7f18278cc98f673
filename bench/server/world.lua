-- The world-table read of the records service, as the program sends it (form style).
wrk.method = "POST"
wrk.body = "gid=44"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
