-- A request in a log-in session: the balance read with the session cookie (set by the script
-- through the environment), which the server checks against the database.
wrk.method = "POST"
wrk.body = "nick=Bencher&labelkovread=0"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
wrk.headers["Cookie"] = "zsid=" .. os.getenv("ZSID")
