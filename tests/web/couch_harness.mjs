// A CouchDB-protocol server for the sync tests: pouchdb-server from the lock
// file beside these tests, its databases in memory, on a free port of this
// machine, set up as the README tells a winery to: an admin, one user for the
// devices, the register's database readable by that user only, and CORS
// open to the page's address alone.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const SERVER = fileURLToPath(new URL('node_modules/pouchdb-server/bin/pouchdb-server', import.meta.url));
export const ADMIN = { name: 'winery-admin', password: 'admin-Secret-77' };
export const USER = { name: 'cellar', password: 'Grapes-and-3-barrels' };
export const DATABASE = 'korvane-cellar';
// A database the devices' user may not read.
export const CLOSED = 'korvane-office';

async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

async function ask(url, { method = 'GET', body, as = ADMIN } = {}) {
  const headers = { Authorization: `Basic ${Buffer.from(`${as.name}:${as.password}`).toString('base64')}` };
  // A security object sent untyped is answered "ok" and ignored: JSON goes
  // with its content type.
  if (body !== undefined) headers['Content-Type'] = 'application/json';
  const answer = await fetch(url, { method, headers, body: body === undefined ? undefined : JSON.stringify(body) });
  return { status: answer.status, body: await answer.json() };
}

// `origin`: the page's, the only one the server lets call it.
export async function startCouch(origin) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-couch-'));
  const config = path.join(dir, 'config.json');
  fs.writeFileSync(config, JSON.stringify({ admins: { [ADMIN.name]: ADMIN.password },
    httpd: { enable_cors: true }, cors: { origins: origin },
    log: { file: path.join(dir, 'log.txt'), level: 'warning' } }));
  const port = await freePort();
  const child = spawn(process.execPath, [SERVER, '--in-memory', '--port', String(port), '--config', config,
    '--dir', dir, '--no-stdout-logs'], { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; tries++) {
    try {
      if ((await fetch(`${url}/`)).ok) break;
    } catch (error) {
      if (tries > 100) throw error;
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  const put = async (where, body) => {
    const answer = await ask(`${url}/${where}`, { method: 'PUT', body });
    assert.ok(answer.status < 300, `${where}: ${JSON.stringify(answer.body)}`);
  };
  await put(`_users/org.couchdb.user:${USER.name}`, { name: USER.name, password: USER.password, roles: [],
    type: 'user' });
  for (const [database, member] of [[DATABASE, USER.name], [CLOSED, ADMIN.name]]) {
    await put(database);
    const security = { admins: { names: [], roles: [] }, members: { names: [member], roles: [] } };
    await put(`${database}/_security`, security);
    assert.deepEqual((await ask(`${url}/${database}/_security`)).body, security);
  }
  assert.equal((await ask(`${url}/${DATABASE}`, { as: USER })).status, 200);
  assert.equal((await ask(`${url}/${CLOSED}`, { as: USER })).status, 401);
  return {
    url,
    // Every document of the register's database, as the admin reads it.
    docs: async () => (await ask(`${url}/${DATABASE}/_all_docs?include_docs=true`)).body.rows.map((r) => r.doc),
    stop: async () => {
      child.kill();
      await new Promise((resolve) => child.once('exit', resolve));
      fs.rmSync(dir, { recursive: true, force: true });
    },
  };
}
